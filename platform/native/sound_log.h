#pragma once
// What the native DirectSound stand-in did, for panelsim's trace and for mixing a run into a
// WAV file. A buffer sounds from each `played` event until its next `stopped`, `ended`, `lost`
// or `played` event (Play while playing, or a new position while playing, starts a new run).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/native/win_dsound.h"

namespace platform {

enum class SoundEventKind {
  device_created,
  device_released,
  buffer_created,
  buffer_released,
  played,
  stopped,  // by IDirectSoundBuffer::Stop or the buffer's release
  ended,    // a play without looping reached the end of the buffer
  lost,
  restored,
};

struct SoundEvent {
  SoundEventKind kind;
  double time;             // simulated seconds
  std::uint32_t device;    // device number, from 1 in creation order
  std::uint32_t buffer;    // buffer number, from 1 in creation order; 0 for device events
  WAVEFORMATEX format;     // the buffer's format (its first 18 bytes)
  std::uint32_t size;      // the buffer's size in bytes
  std::uint32_t position;  // the play position in bytes when the event happened
  bool looped;             // played: looping rather than once
  // played: the buffer's bytes as they sound in this run (shared, never changed afterwards)
  std::shared_ptr<const std::vector<std::byte>> samples;
};

// The events since the last call, in time order; a play that has ended by now is included.
std::vector<SoundEvent> drain_sound_events();

struct LiveSoundObjects {
  std::size_t devices;
  std::size_t buffers;
};
// Devices and buffers created and not yet released, for tests that check nothing leaks.
LiveSoundObjects live_sound_objects();

}  // namespace platform
