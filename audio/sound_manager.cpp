#include "audio/sound_manager.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace audio {
namespace {

// The buffer description with the 3-D algorithm GUID, as the 32-bit platform lays it out.
constexpr DWORD kBufferDescriptionBytes = 36;
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(DSBUFFERDESC) == kBufferDescriptionBytes);
#endif

// A lost buffer is given this many restore rounds (a 10 ms sleep each while the device stays
// taken) before play gives up; the next play tries again.
constexpr int kRestoreRounds = 10;

}  // namespace

SoundManager::~SoundManager() {
  for (std::uint16_t index = 0; index < kSoundSlotCount; ++index) free_sound(index);
  release_sound_device();
}

const SoundSlot* SoundManager::slot(std::uint16_t index) const {
  return index < kSoundSlotCount ? &slots_[index] : nullptr;
}

SoundSlot* SoundManager::loaded_slot(std::uint16_t index) {
  if (index >= kSoundSlotCount || slots_[index].buffer == nullptr) return nullptr;
  return &slots_[index];
}

HRESULT SoundManager::init_sound_device() {
  if (device_ == nullptr) {
    const HRESULT created = DirectSoundCreate(nullptr, &device_, nullptr);
    if (FAILED(created)) {
      device_ = nullptr;
      return created;
    }
  }
  HWND simulator_window = FindWindowA("FS98MAIN", nullptr);
  const HRESULT level = device_->SetCooperativeLevel(simulator_window, DSSCL_NORMAL);
  return FAILED(level) ? level : S_OK;
}

HRESULT SoundManager::release_sound_device() {
  if (device_ != nullptr) {
    device_->Release();
    device_ = nullptr;
  }
  return S_OK;
}

HRESULT SoundManager::create_sound_buffer(std::uint16_t index, const char* path) {
  if (index >= kSoundSlotCount) return E_FAIL;
  SoundSlot& slot = slots_[index];
  free_sound(index);
  slot.reader.reset(new (std::nothrow) WaveFileReader());
  if (!slot.reader) return E_OUTOFMEMORY;
  if (slot.reader->open(path) != S_OK) return E_FAIL;
  if (device_ == nullptr) return E_FAIL;

  DSBUFFERDESC description{.dwSize = kBufferDescriptionBytes,
                           .dwFlags = DSBCAPS_STATIC,
                           .dwBufferBytes = slot.reader->data_chunk.cksize,
                           .lpwfxFormat = slot.reader->format.get()};
  const HRESULT created = device_->CreateSoundBuffer(&description, &slot.buffer, nullptr);
  if (FAILED(created)) {
    slot.buffer = nullptr;
    return created;
  }
  slot.size = slot.reader->data_chunk.cksize;
  return S_OK;
}

HRESULT SoundManager::fill_sound_buffer(std::uint16_t index) {
  SoundSlot* slot = loaded_slot(index);
  if (slot == nullptr || !slot->reader) return E_FAIL;
  WaveFileReader& reader = *slot->reader;
  // A fill that failed part way left the reader short of the whole chunk: start it over, so
  // the scratch block always holds what the buffer is about to receive.
  if (reader.data_chunk.cksize != slot->size) reader.reset();

  const std::uint32_t count = reader.data_chunk.cksize;
  std::unique_ptr<std::uint8_t[]> scratch(new (std::nothrow) std::uint8_t[std::max(count, 1u)]);
  if (!scratch) return E_OUTOFMEMORY;
  std::uint32_t actual = 0;
  if (const HRESULT read = reader.read(count, scratch.get(), actual); read != S_OK) return read;
  reader.reset();

  void* first = nullptr;
  void* second = nullptr;
  DWORD first_bytes = 0;
  DWORD second_bytes = 0;
  const HRESULT locked =
      slot->buffer->Lock(0, slot->size, &first, &first_bytes, &second, &second_bytes, 0);
  if (FAILED(locked)) return locked;
  std::memcpy(first, scratch.get(), std::min({actual, slot->size, std::uint32_t{first_bytes}}));
  slot->buffer->Unlock(first, slot->size, nullptr, 0);
  return S_OK;
}

HRESULT SoundManager::load_sound(std::uint16_t index, const char* path) {
  const HRESULT created = create_sound_buffer(index, path);
  return FAILED(created) ? created : fill_sound_buffer(index);
}

int SoundManager::is_sound_playing(std::uint16_t index) {
  SoundSlot* slot = loaded_slot(index);
  if (slot == nullptr) return 0;
  DWORD status = 0;
  slot->buffer->GetStatus(&status);
  return (status & DSBSTATUS_PLAYING) != 0 ? 1 : 0;
}

HRESULT SoundManager::play_sound(std::uint16_t index, int loop) {
  SoundSlot* slot = loaded_slot(index);
  if (slot == nullptr) return E_FAIL;
  if (const HRESULT restored = restore_sound_buffer(index); FAILED(restored)) return restored;
  const HRESULT played = slot->buffer->Play(0, 0, loop != 0 ? DSBPLAY_LOOPING : 0);
  return FAILED(played) ? played : S_OK;
}

void SoundManager::stop_sound(std::uint16_t index, int rewind) {
  SoundSlot* slot = loaded_slot(index);
  if (slot == nullptr) return;
  slot->buffer->Stop();
  if (rewind != 0) slot->buffer->SetCurrentPosition(0);
}

HRESULT SoundManager::restore_sound_buffer(std::uint16_t index) {
  SoundSlot* slot = loaded_slot(index);
  if (slot == nullptr) return E_FAIL;
  DWORD status = 0;
  if (const HRESULT asked = slot->buffer->GetStatus(&status); FAILED(asked)) return asked;
  if ((status & DSBSTATUS_BUFFERLOST) == 0) return S_OK;

  HRESULT restored = DSERR_BUFFERLOST;
  for (int round = 0; round < kRestoreRounds && restored != DS_OK; ++round) {
    if (slot->buffer->Restore() == DSERR_BUFFERLOST) Sleep(10);
    restored = slot->buffer->Restore();
  }
  if (restored != DS_OK) return restored;
  return fill_sound_buffer(index);
}

HRESULT SoundManager::free_sound(std::uint16_t index) {
  if (index >= kSoundSlotCount) return E_FAIL;
  SoundSlot& slot = slots_[index];
  slot.reader.reset();
  if (slot.buffer != nullptr) {
    slot.buffer->Release();
    slot.buffer = nullptr;
  }
  return S_OK;
}

SoundManager& module_sound_manager() {
  static SoundManager manager;
  return manager;
}

}  // namespace audio
