// RIFF chunks of the native mmio stand-in: the chunk search of mmioDescend and mmioAscend.
// A chunk's data is followed by a pad byte when its size is odd; both honour it.
#include <cstdint>
#include <limits>

#include "platform/native/win_mmio_file.h"

namespace {

DWORD little_endian_u32(const unsigned char* bytes) {
  return DWORD{bytes[0]} | DWORD{bytes[1]} << 8 | DWORD{bytes[2]} << 16 | DWORD{bytes[3]} << 24;
}

bool wanted(const MMCKINFO& found, const MMCKINFO& request, UINT search) {
  switch (search) {
    case MMIO_FINDCHUNK:
      return found.ckid == request.ckid;
    case MMIO_FINDRIFF:
      return found.ckid == FOURCC_RIFF && found.fccType == request.fccType;
    case MMIO_FINDLIST:
      return found.ckid == FOURCC_LIST && found.fccType == request.fccType;
    default:
      return true;  // no search: the chunk at the current position
  }
}

std::int64_t end_of_chunk(const MMCKINFO& chunk) {
  return std::int64_t{chunk.dwDataOffset} + chunk.cksize + (chunk.cksize & 1);
}

}  // namespace

extern "C" {

MMRESULT mmioDescend(HMMIO handle, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags) {
  NativeMmioFile* file = platform::mmio::live_file(handle);
  if (!file) return MMSYSERR_INVALHANDLE;
  const UINT search = flags & (MMIO_FINDCHUNK | MMIO_FINDRIFF | MMIO_FINDLIST);
  if (!chunk || (search & (search - 1)) != 0) return MMSYSERR_INVALPARAM;
  // Without a parent the search runs to the end of the file.
  const std::int64_t limit = parent ? std::int64_t{parent->dwDataOffset} + parent->cksize
                                    : std::numeric_limits<std::int64_t>::max();
  // The caller's record receives every header read, found or not, as the system's does; the
  // search keys are taken from it first.
  const MMCKINFO request = *chunk;
  for (;;) {
    const std::int64_t start = platform::mmio::position(*file);
    if (start + 8 > limit) return MMIOERR_CHUNKNOTFOUND;
    unsigned char header[12];
    const LONG got = platform::mmio::read_bytes(*file, reinterpret_cast<char*>(header), 12);
    if (got < 8) {
      platform::mmio::seek_to(*file, start);
      return MMIOERR_CHUNKNOTFOUND;
    }
    chunk->ckid = little_endian_u32(header);
    chunk->cksize = little_endian_u32(header + 4);
    if (got == 12) chunk->fccType = little_endian_u32(header + 8);
    chunk->dwDataOffset = static_cast<DWORD>(start + 8);
    chunk->dwFlags = 0;
    // RIFF and LIST chunks begin with their form or list type; the file then stands after it.
    const bool typed = chunk->ckid == FOURCC_RIFF || chunk->ckid == FOURCC_LIST;
    if (typed && got < 12) {
      platform::mmio::seek_to(*file, start);
      return MMIOERR_CHUNKNOTFOUND;
    }
    if (wanted(*chunk, request, search)) {
      platform::mmio::seek_to(*file, start + (typed ? 12 : 8));
      return MMSYSERR_NOERROR;
    }
    if (!platform::mmio::seek_to(*file, end_of_chunk(*chunk))) return MMIOERR_CHUNKNOTFOUND;
  }
}

MMRESULT mmioAscend(HMMIO handle, LPMMCKINFO chunk, UINT) {
  NativeMmioFile* file = platform::mmio::live_file(handle);
  if (!file) return MMSYSERR_INVALHANDLE;
  if (!chunk) return MMSYSERR_INVALPARAM;
  return platform::mmio::seek_to(*file, end_of_chunk(*chunk)) ? MMSYSERR_NOERROR
                                                              : MMIOERR_CANNOTSEEK;
}

}  // extern "C"
