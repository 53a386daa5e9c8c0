#include "platform/native/sound_log.h"

#include <algorithm>
#include <utility>

#include "platform/native/win_dsound_buffer.h"

namespace platform {
namespace {

std::vector<SoundEvent>& events() {
  static std::vector<SoundEvent> log;
  return log;
}

}  // namespace

namespace dsound {
void record_event(SoundEvent event) {
  events().push_back(std::move(event));
}
}  // namespace dsound

std::vector<SoundEvent> drain_sound_events() {
  for (dsound::NativeSoundBuffer* buffer : dsound::live_buffers()) buffer->settle();
  std::vector<SoundEvent> drained = std::exchange(events(), {});
  // An end noticed late carries the time it really happened.
  std::stable_sort(drained.begin(), drained.end(),
                   [](const SoundEvent& a, const SoundEvent& b) { return a.time < b.time; });
  return drained;
}

}  // namespace platform
