// The native DirectSound device: creation, cooperative level and the checks a new buffer
// passes, as the real one answers them.
#include <new>

#include "platform/native/dsound_faults.h"
#include "platform/native/sim_clock.h"
#include "platform/native/win_dsound_buffer.h"

namespace platform {
namespace {

std::size_t& live_devices() {
  static std::size_t count = 0;
  return count;
}

bool valid_bits(const WAVEFORMATEX& format) {
  const WORD bits = format.wBitsPerSample;
  if (format.wFormatTag == WAVE_FORMAT_IEEE_FLOAT) return bits == 32 || bits == 64;
  return bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

HRESULT check_format(const WAVEFORMATEX& format) {
  if (format.wFormatTag != WAVE_FORMAT_PCM && format.wFormatTag != WAVE_FORMAT_IEEE_FLOAT) {
    return DSERR_UNSUPPORTED;
  }
  if (format.nChannels == 0 || format.nSamplesPerSec == 0 || !valid_bits(format) ||
      format.nBlockAlign != format.nChannels * format.wBitsPerSample / 8) {
    return DSERR_INVALIDPARAM;
  }
  return DS_OK;
}

HRESULT check_description(const DSBUFFERDESC* description) {
  if (!description || (description->dwSize != 20 && description->dwSize != 36) ||
      (description->dwFlags & DSBCAPS_PRIMARYBUFFER) || !description->lpwfxFormat ||
      description->dwBufferBytes < DSBSIZE_MIN || description->dwBufferBytes > DSBSIZE_MAX) {
    return DSERR_INVALIDPARAM;
  }
  return check_format(*description->lpwfxFormat);
}

class NativeDirectSound final : public IDirectSound {
 public:
  explicit NativeDirectSound(std::uint32_t number) : number_(number) {
    ++live_devices();
    record(SoundEventKind::device_created);
  }
  ~NativeDirectSound() { --live_devices(); }
  NativeDirectSound(const NativeDirectSound&) = delete;
  NativeDirectSound& operator=(const NativeDirectSound&) = delete;

  ULONG AddRef() override { return ++references_; }

  // Buffers keep working after their device is released; each is released on its own.
  ULONG Release() override {
    if (--references_ != 0) return references_;
    record(SoundEventKind::device_released);
    delete this;
    return 0;
  }

  HRESULT CreateSoundBuffer(LPCDSBUFFERDESC description, LPDIRECTSOUNDBUFFER* buffer,
                            LPUNKNOWN outer) override {
    if (!buffer) return DSERR_INVALIDPARAM;
    *buffer = nullptr;
    if (outer) return DSERR_NOAGGREGATION;
    if (directsound_faults().create_buffer != DS_OK) return directsound_faults().create_buffer;
    if (const HRESULT refused = check_description(description); refused != DS_OK) return refused;
    try {
      auto samples = std::make_shared<std::vector<std::byte>>(description->dwBufferBytes);
      *buffer = new dsound::NativeSoundBuffer(number_, *description->lpwfxFormat,
                                              description->dwBufferBytes, description->dwFlags,
                                              std::move(samples));
    } catch (const std::bad_alloc&) {
      return DSERR_OUTOFMEMORY;
    }
    return DS_OK;
  }

  // Any window is taken, a missing one too, as the real device takes it.
  HRESULT SetCooperativeLevel(HWND, DWORD level) override {
    if (directsound_faults().cooperative_level != DS_OK) {
      return directsound_faults().cooperative_level;
    }
    return level >= DSSCL_NORMAL && level <= DSSCL_WRITEPRIMARY ? DS_OK : DSERR_INVALIDPARAM;
  }

 private:
  void record(SoundEventKind kind) const {
    dsound::record_event({.kind = kind, .time = sim_time(), .device = number_});
  }

  ULONG references_ = 1;
  const std::uint32_t number_;
};

}  // namespace

DirectSoundFaults& directsound_faults() {
  static DirectSoundFaults faults;
  return faults;
}

void lose_sound_buffers() {
  for (dsound::NativeSoundBuffer* buffer : dsound::live_buffers()) buffer->lose();
}

LiveSoundObjects live_sound_objects() {
  return {.devices = live_devices(), .buffers = dsound::live_buffers().size()};
}

}  // namespace platform

extern "C" {

// Only the default device (a null GUID) is offered.
HRESULT DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* sound, LPUNKNOWN outer) {
  if (!sound) return DSERR_INVALIDPARAM;
  *sound = nullptr;
  if (outer) return DSERR_NOAGGREGATION;
  if (platform::directsound_faults().create != DS_OK) return platform::directsound_faults().create;
  if (device) return DSERR_NODRIVER;
  static std::uint32_t devices_made = 0;
  *sound = new (std::nothrow) platform::NativeDirectSound(++devices_made);
  return *sound ? DS_OK : DSERR_OUTOFMEMORY;
}

}  // extern "C"
