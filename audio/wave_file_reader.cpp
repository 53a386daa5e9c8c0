#include "audio/wave_file_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace audio {
namespace {

// The format record is copied from the file as it stands.
static_assert(std::endian::native == std::endian::little);

constexpr FOURCC kWaveForm = mmioFOURCC('W', 'A', 'V', 'E');
constexpr FOURCC kFormatChunk = mmioFOURCC('f', 'm', 't', ' ');
constexpr FOURCC kDataChunk = mmioFOURCC('d', 'a', 't', 'a');
constexpr LONG kFormatHeadBytes = 16;           // tag, channels, rate, byte rate, alignment, bits
constexpr std::size_t kFormatRecordBytes = 18;  // the head and cbSize

bool read_exactly(HMMIO handle, void* destination, LONG count) {
  return mmioRead(handle, static_cast<HPSTR>(destination), count) == count;
}

}  // namespace

WaveFileReader::~WaveFileReader() {
  close();
}

HRESULT WaveFileReader::open(const char* path) {
  format.reset();
  close();  // a second open must not leak the first file
  if (path == nullptr) return E_FAIL;
  HMMIO handle = mmioOpenA(const_cast<LPSTR>(path), nullptr, MMIO_ALLOCBUF | MMIO_READ);
  if (handle == nullptr) return E_FAIL;
  if (parse_header(handle) != S_OK) {
    mmioClose(handle, 0);
    return E_FAIL;
  }
  file = handle;
  if (reset() != S_OK) {
    // No "data" chunk: the open fails as a whole, leaving nothing open.
    close();
    format.reset();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT WaveFileReader::parse_header(HMMIO handle) {
  format.reset();
  if (mmioDescend(handle, &riff_chunk, nullptr, 0) != MMSYSERR_NOERROR) return E_FAIL;
  if (riff_chunk.ckid != FOURCC_RIFF || riff_chunk.fccType != kWaveForm) return E_FAIL;

  MMCKINFO format_chunk{.ckid = kFormatChunk};
  if (mmioDescend(handle, &format_chunk, &riff_chunk, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) {
    return E_FAIL;
  }
  if (format_chunk.cksize < kFormatHeadBytes) return E_FAIL;
  WAVEFORMATEX head{};
  if (!read_exactly(handle, &head, kFormatHeadBytes)) return E_FAIL;

  // PCM has no extra bytes, whatever follows in the chunk; other tags carry cbSize of them.
  WORD extra_bytes = 0;
  if (head.wFormatTag != WAVE_FORMAT_PCM && !read_exactly(handle, &extra_bytes, 2)) {
    return E_FAIL;
  }
  auto* record = static_cast<WAVEFORMATEX*>(std::malloc(kFormatRecordBytes + extra_bytes));
  if (record == nullptr) return E_FAIL;
  std::memcpy(record, &head, kFormatHeadBytes);
  record->cbSize = extra_bytes;
  format.reset(record);
  if (extra_bytes != 0 &&
      !read_exactly(handle, reinterpret_cast<std::uint8_t*>(record) + kFormatRecordBytes,
                    extra_bytes)) {
    format.reset();
    return E_FAIL;
  }
  if (mmioAscend(handle, &format_chunk, 0) != MMSYSERR_NOERROR) {
    format.reset();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT WaveFileReader::reset() {
  if (file == nullptr) return E_FAIL;
  const LONG after_form_type = static_cast<LONG>(riff_chunk.dwDataOffset + 4);
  if (mmioSeek(file, after_form_type, SEEK_SET) == -1) return E_FAIL;
  data_chunk.ckid = kDataChunk;
  if (mmioDescend(file, &data_chunk, &riff_chunk, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) {
    return E_FAIL;
  }
  return S_OK;
}

HRESULT WaveFileReader::read(std::uint32_t count, std::uint8_t* destination,
                             std::uint32_t& actual) {
  actual = 0;
  if (file == nullptr) return E_FAIL;
  MMIOINFO info{};
  if (mmioGetInfo(file, &info, 0) != MMSYSERR_NOERROR) return E_FAIL;
  const std::uint32_t wanted = std::min<std::uint32_t>(count, data_chunk.cksize);
  if (wanted != 0 && destination == nullptr) return E_FAIL;
  data_chunk.cksize -= wanted;

  // Bytes come straight out of the I/O buffer, which mmioAdvance refills from the file.
  std::uint32_t copied = 0;
  while (copied < wanted) {
    if (info.pchNext == info.pchEndRead) {
      const bool refilled = mmioAdvance(file, &info, MMIO_READ) == MMSYSERR_NOERROR;
      if (!refilled || info.pchNext == info.pchEndRead) {
        mmioSetInfo(file, &info, 0);  // the file ended early; leave its buffer consistent
        return E_FAIL;
      }
    }
    const auto step = std::min<std::uint32_t>(
        wanted - copied, static_cast<std::uint32_t>(info.pchEndRead - info.pchNext));
    std::memcpy(destination + copied, info.pchNext, step);
    info.pchNext += step;
    copied += step;
  }
  if (mmioSetInfo(file, &info, 0) != MMSYSERR_NOERROR) return E_FAIL;
  actual = wanted;
  return S_OK;
}

HRESULT WaveFileReader::close() {
  if (file != nullptr) {
    mmioClose(file, 0);
    file = nullptr;
  }
  return S_OK;
}

}  // namespace audio
