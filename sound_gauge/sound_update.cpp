#include "sound_gauge/sound_update.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "audio/sound_manager.h"
#include "host/panel_services.h"
#include "platform/native/win_paths.h"
#include "platform/windows_api.h"

namespace sound_gauge {
namespace {

constexpr int kStop = 0;
constexpr int kPlayOnce = 1;
constexpr int kLoop = 2;
constexpr int kIgnored = -1;

audio::SoundManager& sounds() {
  return audio::module_sound_manager();
}

std::uint16_t slot_of(int index) {
  return static_cast<std::uint16_t>(index);
}

// The file is only tested for existence here; the sound manager opens it itself.
bool file_exists(const char* path) {
  std::FILE* file = platform::open_file_for_reading(path, "r");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

// Loads the sound the first time it is asked for and its file is there. A load that fails
// still counts: the entry then stays silent rather than trying again at every update.
void load_on_first_use(SoundEntry& entry, int index) {
  if (entry.loaded != 0 || !file_exists(entry.wave_path)) return;
  entry.loaded = 1;
  sounds().load_sound(slot_of(index), entry.wave_path);
}

void write_zero(SoundEntry& entry) {
  entry.var_id = host::named_var_find(entry.var_name);
  host::named_var_set(entry.var_id, 0.0);
}

void follow_trigger(SoundEntry& entry, int index) {
  const std::uint16_t slot = slot_of(index);
  switch (entry.value) {
    case kStop:
      if (entry.loaded != 0) {
        if (sounds().is_sound_playing(slot) != 0) sounds().stop_sound(slot, 1);
        entry.started = 0;
      }
      break;
    case kPlayOnce:
      load_on_first_use(entry, index);
      if (entry.loaded != 0 && sounds().is_sound_playing(slot) == 0) {
        if (entry.started != 0) {
          // The play the gauge started has finished: hand the variable back.
          entry.started = 0;
          write_zero(entry);
        } else {
          sounds().play_sound(slot, 0);
          entry.started = 1;
        }
      }
      break;
    case kLoop:
      load_on_first_use(entry, index);
      if (entry.loaded != 0 && sounds().is_sound_playing(slot) == 0) {
        sounds().play_sound(slot, 1);
        entry.started = 1;
      }
      break;
    default:
      break;
  }
}

}  // namespace

int trigger_value(double value) {
  if (!(value > -2147483648.0 && value < 2147483648.0)) return kIgnored;
  return static_cast<int>(value);  // truncates toward zero
}

void update_pass(SoundTable& table) {
  for (int index = 0; index < table.max_sounds; ++index) {
    SoundEntry& entry = table.entries[index];
    entry.var_id = host::named_var_find(entry.var_name);
    entry.value = trigger_value(host::named_var_get(entry.var_id));
    follow_trigger(entry, index);
  }
}

void stop_check(SoundTable& table) {
  table.stop_id = host::named_var_find(table.stop_name);
  if (!(host::named_var_get(table.stop_id) > 0.0)) return;
  for (int index = 0; index < table.max_sounds; ++index) {
    SoundEntry& entry = table.entries[index];
    if (entry.loaded == 0 || sounds().is_sound_playing(slot_of(index)) == 0) continue;
    sounds().stop_sound(slot_of(index), 1);
    entry.started = 0;
    write_zero(entry);
  }
  host::named_var_set(table.stop_id, 0.0);
}

void shutdown(SoundTable& table) {
  for (int index = 0; index < table.max_sounds; ++index) {
    if (table.entries[index].loaded == 0) continue;
    if (sounds().is_sound_playing(slot_of(index)) != 0) sounds().stop_sound(slot_of(index), 0);
    sounds().free_sound(slot_of(index));
  }
}

}  // namespace sound_gauge
