#pragma once
// Reads one RIFF "WAVE" file through the multimedia file services: the format record of its
// "fmt " chunk and the bytes of its "data" chunk, with a rewind to the first data byte. The
// sound manager keeps one open per loaded sound, to fill its buffer again after a loss.
// Every failure is E_FAIL.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/windows_api.h"

namespace audio {

class WaveFileReader {
 public:
  WaveFileReader() = default;
  ~WaveFileReader();  // closes the file
  WaveFileReader(const WaveFileReader&) = delete;
  WaveFileReader& operator=(const WaveFileReader&) = delete;

  // Opens and checks the file and stands at its first data byte. On failure nothing stays
  // open and format is null.
  HRESULT open(const char* path);
  // Back to the first data byte, with the full data size left to read.
  HRESULT reset();
  // Copies min(count, bytes left) data bytes into destination and sets actual to that count.
  // A read that fails part way has already taken its count off what is left; reset mends it.
  HRESULT read(std::uint32_t count, std::uint8_t* destination, std::uint32_t& actual);
  HRESULT close();

  struct FreeFormat {
    void operator()(WAVEFORMATEX* record) const { std::free(record); }
  };
  // The format record: 18 + cbSize bytes (cbSize 0 for PCM); null until a successful open.
  std::unique_ptr<WAVEFORMATEX, FreeFormat> format;
  HMMIO file = nullptr;   // null while no file is open
  MMCKINFO data_chunk{};  // cksize counts the data bytes not yet read
  MMCKINFO riff_chunk{};  // dwDataOffset is where the form type "WAVE" stands

 private:
  HRESULT parse_header(HMMIO handle);
};

}  // namespace audio
