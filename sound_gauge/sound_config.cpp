#include "sound_gauge/sound_config.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "host/panel_services.h"
#include "platform/windows_api.h"

namespace sound_gauge {
namespace {

// Only this many characters of "MaxSounds" are read: "00050" counts as "0005".
constexpr DWORD kMaxSoundsChars = 4;

template <std::size_t Size>
void read_ini(const char* section, const char* key, const char* fallback, char (&field)[Size],
              const char* ini_path) {
  GetPrivateProfileStringA(section, key, fallback, field, static_cast<DWORD>(Size), ini_path);
  field[Size - 1] = '\0';
}

std::int32_t register_and_find(const char* name) {
  host::named_var_register(name);
  return host::named_var_find(name);
}

void configure_entry(SoundTable& table, int index) {
  SoundEntry& entry = table.entries[index];
  char key[16];
  std::snprintf(key, sizeof key, "Sound%02d", index);
  read_ini("Sounds", key, "", entry.wave_path, table.ini_path);
  if (entry.wave_path[0] == '\0') {
    std::snprintf(entry.wave_path, sizeof entry.wave_path, "./Sound/qrn/qrn_xml_%02d.wav", index);
  }
  std::snprintf(key, sizeof key, "Lvar%02d", index);
  read_ini("LVars", key, "", entry.var_name, table.ini_path);
  if (entry.var_name[0] == '\0') {
    std::snprintf(entry.var_name, sizeof entry.var_name, "qrn_xml_id_%02d", index);
  }
  entry.var_id = register_and_find(entry.var_name);
  entry.started = 0;
  entry.loaded = 0;
}

}  // namespace

int parse_max_sounds(const char* text) {
  const int count = std::atoi(text);
  if (count < 0) return 0;
  return count > kMaxSounds ? kMaxSounds : count;
}

std::unique_ptr<SoundTable> configure(const char* parameters) {
  std::unique_ptr<SoundTable> table(new (std::nothrow) SoundTable());
  if (!table) return nullptr;
  // A path longer than the field is cut to fit: the gauge then looks for a file of the shorter
  // name, and finding none, takes every default.
  copy_cut(table->ini_path,
           parameters != nullptr && parameters[0] != '\0' ? parameters : kDefaultIniPath);

  char count_text[kMaxSoundsChars + 1] = {};
  read_ini("Config", "MaxSounds", "100", count_text, table->ini_path);
  // A key written with no value counts as missing, as it does for every other key.
  table->max_sounds = count_text[0] == '\0' ? kMaxSounds : parse_max_sounds(count_text);

  for (int index = table->max_sounds - 1; index >= 0; --index) configure_entry(*table, index);

  read_ini("Config", "LvarStop", kDefaultStopName, table->stop_name, table->ini_path);
  if (table->stop_name[0] == '\0') copy_cut(table->stop_name, kDefaultStopName);
  table->stop_id = register_and_find(table->stop_name);
  return table;
}

}  // namespace sound_gauge
