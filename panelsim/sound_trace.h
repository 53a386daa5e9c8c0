#pragma once
// What the panel's sounds did, for the trace and for scenario expectations: each start (once or
// looped, and from which byte), stop and end, named by the WAVE file whose bytes the buffer
// holds. Natively the DirectSound stand-in reports every sound on the simulated clock; the
// Windows build plays through the real device, which reports nothing, so nothing is recorded.
#include <map>
#include <string>
#include <vector>

#include "panelsim/trace.h"

namespace panelsim {

enum class SoundState { stopped, playing, looping };

class SoundTrace {
 public:
  explicit SoundTrace(std::string sim_root) : sim_root_(std::move(sim_root)) {}

  // Whether this build sees what its sounds do: natively yes, on Windows no.
  static bool observes_sounds();

  // Takes what the sound device did since the last call and records it in the trace.
  void drain(Trace& trace);

  // By file, relative to the simulator root with forward slashes, in any case.
  SoundState state(const std::string& file) const;
  int starts(const std::string& file) const;
  long last_start_position(const std::string& file) const;  // -1 when it never started

 private:
  struct Buffer {
    std::string file;  // empty until its bytes are first heard
    SoundState state = SoundState::stopped;
  };
  struct FileRecord {
    int starts = 0;
    long last_start_position = -1;
  };
  std::string file_for(const void* samples_begin, std::size_t samples_size);
  void index_sound_files();

  std::string sim_root_;
  std::map<unsigned, Buffer> buffers_;
  std::map<std::string, FileRecord> files_;             // lower-case file → what it did
  std::multimap<std::size_t, std::string> by_content_;  // hash of data bytes → file
  bool indexed_ = false;
};

const char* sound_state_name(SoundState state);

}  // namespace panelsim
