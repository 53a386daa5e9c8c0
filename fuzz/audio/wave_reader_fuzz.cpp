// Any bytes as a wave file: the reader either refuses them or hands out exactly the data chunk's
// bytes, however the chunks lie about their sizes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "audio/wave_file_reader.h"

namespace {

constexpr const char* kInputPath = "input.wav";

bool write_input(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(kInputPath, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

// Reads the rest of the data in pieces of piece bytes; returns the count read.
std::uint64_t read_all(audio::WaveFileReader& reader, std::uint32_t piece) {
  std::vector<std::uint8_t> buffer(piece);
  std::uint64_t total = 0;
  for (;;) {
    std::uint32_t actual = 0;
    if (reader.read(piece, buffer.data(), actual) != S_OK || actual == 0) return total;
    if (actual > piece) std::abort();
    total += actual;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!write_input(data, size)) return 0;
  audio::WaveFileReader reader;
  if (reader.open(kInputPath) != S_OK) {
    if (reader.format != nullptr || reader.file != nullptr) std::abort();
    return 0;
  }
  const std::uint32_t declared = reader.data_chunk.cksize;
  const std::uint64_t first = read_all(reader, 4096);
  if (first > declared || first > size) std::abort();
  // A reset goes back to the first data byte: a whole data chunk reads again in other pieces.
  // (A chunk that runs past the end of the file fails part way, at a place that depends on
  // the pieces, as the system's reader does.)
  if (reader.reset() == S_OK) {
    const std::uint64_t again = read_all(reader, 7);
    if (again > declared || (first == declared && again != first)) std::abort();
  }
  reader.close();
  return 0;
}
