#pragma once
// The sound buffer behind IDirectSoundBuffer in the native DirectSound stand-in, with the
// registry of live buffers and the event recorder they share. Not for module code.
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

#include "platform/native/sound_log.h"

namespace platform::dsound {

class NativeSoundBuffer final : public IDirectSoundBuffer {
 public:
  // samples must hold size bytes; format must have passed the device's checks.
  NativeSoundBuffer(std::uint32_t device, const WAVEFORMATEX& format, DWORD size, DWORD flags,
                    std::shared_ptr<std::vector<std::byte>> samples);
  ~NativeSoundBuffer();
  NativeSoundBuffer(const NativeSoundBuffer&) = delete;
  NativeSoundBuffer& operator=(const NativeSoundBuffer&) = delete;

  ULONG AddRef() override;
  ULONG Release() override;
  HRESULT GetCurrentPosition(LPDWORD play_cursor, LPDWORD write_cursor) override;
  HRESULT GetStatus(LPDWORD status) override;
  HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* first, LPDWORD first_bytes, LPVOID* second,
               LPDWORD second_bytes, DWORD flags) override;
  HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
  HRESULT SetCurrentPosition(DWORD position) override;
  HRESULT Stop() override;
  HRESULT Unlock(LPVOID first, DWORD first_bytes, LPVOID second, DWORD second_bytes) override;
  HRESULT Restore() override;

  // The device was taken away: playing stops and the buffer answers "lost" until restored.
  void lose();
  // Notices a play without looping that has reached the end by now.
  void settle();

 private:
  DWORD position_at(double now) const;
  void start_run(double now);
  void record(SoundEventKind kind, double time, DWORD position) const;
  bool holds(const void* pointer, DWORD bytes) const;

  ULONG references_ = 1;
  const std::uint32_t device_;
  const std::uint32_t number_;
  const WAVEFORMATEX format_;
  const DWORD size_;
  const DWORD flags_;
  const double bytes_per_second_;
  std::shared_ptr<std::vector<std::byte>> samples_;
  bool playing_ = false;
  bool looping_ = false;
  bool lost_ = false;
  DWORD run_start_position_ = 0;  // where the current run began, or where the buffer stands
  double run_start_time_ = 0.0;
};

std::set<NativeSoundBuffer*>& live_buffers();

// Adds one event to the log that drain_sound_events hands out.
void record_event(SoundEvent event);

}  // namespace platform::dsound
