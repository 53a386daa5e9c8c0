#pragma once
// What the sound gauge keeps between calls: one set for the whole module, shared by every
// instance of the gauge. The entry table and its texts exist from the first update until the
// simulator window closes; after that the gauge stays configured and has nothing left to do.
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace sound_gauge {

inline constexpr int kMaxSounds = 100;
inline constexpr std::size_t kIniPathChars = 129;
inline constexpr std::size_t kTextChars = 127;  // wave paths and variable names
inline constexpr const char* kDefaultIniPath = "./Gauges/qrn_xml_sound.ini";
inline constexpr const char* kDefaultStopName = "qrn_stop_sounds";

struct SoundEntry {
  int loaded = 0;   // the file opened once; a load was attempted and is never repeated
  int started = 0;  // the gauge started a play it has not yet seen finish or stopped
  int value = 0;    // this update's trigger value, truncated toward zero
  char wave_path[kTextChars + 1] = {};
  char var_name[kTextChars + 1] = {};
  std::int32_t var_id = -1;
};

struct SoundTable {
  char ini_path[kIniPathChars + 1] = {};
  int max_sounds = kMaxSounds;  // entries in use, 0 to 100
  std::array<SoundEntry, kMaxSounds> entries{};
  char stop_name[kTextChars + 1] = {};
  std::int32_t stop_id = -1;
};

struct SoundGaugeState {
  int configured = 0;
  std::unique_ptr<SoundTable> table;  // null before the first update and after shutdown
};

SoundGaugeState& module_state();

// Copies text into a fixed field, cut to fit and always terminated.
template <std::size_t Size>
void copy_cut(char (&field)[Size], const char* text) {
  static_assert(Size > 0);
  std::size_t length = 0;
  if (text != nullptr) {
    while (length + 1 < Size && text[length] != '\0') ++length;
    std::memcpy(field, text, length);
  }
  field[length] = '\0';
}

}  // namespace sound_gauge
