// RIFF chunks of the native mmio stand-in: the chunk search of mmioDescend and mmioAscend.
// A chunk's data is followed by a pad byte when its size is odd; both honour it.
#include <cstdint>
#include <limits>

#include "platform/native/win_mmio_file.h"

namespace {

DWORD little_endian_u32(const unsigned char* bytes) {
  return DWORD{bytes[0]} | DWORD{bytes[1]} << 8 | DWORD{bytes[2]} << 16 | DWORD{bytes[3]} << 24;
}

bool read_u32(NativeMmioFile& file, DWORD& value) {
  unsigned char bytes[4];
  if (platform::mmio::read_bytes(file, reinterpret_cast<char*>(bytes), 4) != 4) return false;
  value = little_endian_u32(bytes);
  return true;
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
  for (;;) {
    const std::int64_t start = platform::mmio::position(*file);
    if (start + 8 > limit) return MMIOERR_CHUNKNOTFOUND;
    MMCKINFO found{.dwDataOffset = static_cast<DWORD>(start + 8)};
    if (!read_u32(*file, found.ckid) || !read_u32(*file, found.cksize)) {
      return MMIOERR_CHUNKNOTFOUND;
    }
    // RIFF and LIST chunks begin with their form or list type; the file then stands after it.
    if ((found.ckid == FOURCC_RIFF || found.ckid == FOURCC_LIST) &&
        !read_u32(*file, found.fccType)) {
      return MMIOERR_CHUNKNOTFOUND;
    }
    if (wanted(found, *chunk, search)) {
      *chunk = found;
      return MMSYSERR_NOERROR;
    }
    if (!platform::mmio::seek_to(*file, end_of_chunk(found))) return MMIOERR_CHUNKNOTFOUND;
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
