// load_sound on a 1 MiB 16-bit PCM file, and the floor any loader pays for the same file: one
// fread into a buffer and one copy out of it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "audio/sound_manager.h"
#include "platform/native/sound_log.h"
#include "tests/audio/test_support.h"
#include "tests/audio/wav_builder.h"

namespace {

constexpr std::size_t kDataBytes = 1 << 20;

const audio_test::FixtureFolder& folder() {
  static const audio_test::FixtureFolder fixtures("bench_fixtures");
  return fixtures;
}

const std::string& sound_path() {
  static const std::string path = folder().write(
      "one_mib.wav", audio_test::pcm_wave(2, 44100, 16, audio_test::sample_bytes(kDataBytes)));
  return path;
}

void load_sound(benchmark::State& state) {
  audio::SoundManager sounds;
  if (sounds.init_sound_device() != S_OK) {
    state.SkipWithError("no sound device");
    return;
  }
  std::size_t loads = 0;
  for (auto _ : state) {
    if (sounds.load_sound(0, sound_path().c_str()) != S_OK) {
      state.SkipWithError("load failed");
      break;
    }
    // The stand-in records every buffer; keep that record from growing without bound.
    if (++loads % 256 == 0) platform::drain_sound_events();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kDataBytes));
}

void fread_and_copy(benchmark::State& state) {
  const std::string host_path = sound_path().substr(0, sound_path().find('\\')) + "/one_mib.wav";
  for (auto _ : state) {
    std::FILE* file = std::fopen(host_path.c_str(), "rb");
    if (file == nullptr) {
      state.SkipWithError("cannot open the fixture");
      break;
    }
    std::fseek(file, 0, SEEK_END);
    const auto size = static_cast<std::size_t>(std::ftell(file));
    std::fseek(file, 0, SEEK_SET);
    std::unique_ptr<char[]> bytes(new char[size]);
    std::unique_ptr<char[]> copy(new char[size]);
    if (std::fread(bytes.get(), 1, size, file) != size) state.SkipWithError("short read");
    std::fclose(file);
    std::memcpy(copy.get(), bytes.get(), size);
    benchmark::DoNotOptimize(copy.get());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kDataBytes));
}

BENCHMARK(load_sound)->Unit(benchmark::kMicrosecond);
BENCHMARK(fread_and_copy)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
