#pragma once
// Plays short sounds from WAVE files through DirectSound: one device and 100 slots, each with
// a static buffer filled in one pass from a reader that stays open, so that a lost buffer can
// be filled again. Results are HRESULT-style: 0 for success; E_FAIL, E_OUTOFMEMORY or
// DirectSound's own code for failure. An index outside the table is refused with E_FAIL.
#include <array>
#include <cstdint>
#include <memory>

#include "audio/wave_file_reader.h"
#include "platform/windows_api.h"

namespace audio {

inline constexpr std::uint16_t kSoundSlotCount = 100;

struct SoundSlot {
  IDirectSoundBuffer* buffer = nullptr;
  std::unique_ptr<WaveFileReader> reader;
  std::uint32_t size = 0;  // bytes in buffer: the size of the file's "data" chunk
};

class SoundManager {
 public:
  SoundManager() = default;
  ~SoundManager();  // frees every slot and releases the device
  SoundManager(const SoundManager&) = delete;
  SoundManager& operator=(const SoundManager&) = delete;

  // Creates the device and binds it to the simulator's main window. A device that then fails
  // its cooperative level is kept and used anyway. A second call keeps the device it has.
  HRESULT init_sound_device();
  HRESULT release_sound_device();
  // Empties the slot, opens the file and creates a buffer of the file's own format.
  HRESULT create_sound_buffer(std::uint16_t index, const char* path);
  // Copies the whole data chunk into the buffer and rewinds the reader for the next fill.
  HRESULT fill_sound_buffer(std::uint16_t index);
  HRESULT load_sound(std::uint16_t index, const char* path);
  int is_sound_playing(std::uint16_t index);
  // Plays from where the buffer's position stands, restoring a lost buffer first.
  HRESULT play_sound(std::uint16_t index, int loop);
  void stop_sound(std::uint16_t index, int rewind);
  HRESULT restore_sound_buffer(std::uint16_t index);
  HRESULT free_sound(std::uint16_t index);

  IDirectSound* device() const { return device_; }
  // The slot, or null outside the table.
  const SoundSlot* slot(std::uint16_t index) const;

 private:
  SoundSlot* loaded_slot(std::uint16_t index);

  IDirectSound* device_ = nullptr;
  std::array<SoundSlot, kSoundSlotCount> slots_;
};

// The module's own manager, alive until the module is unloaded; each module that links this
// library has its own.
SoundManager& module_sound_manager();

}  // namespace audio
