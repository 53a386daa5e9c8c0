#include "platform/native/win_dsound_buffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

#include "platform/native/dsound_faults.h"
#include "platform/native/sim_clock.h"

namespace platform::dsound {
namespace {

std::uint32_t next_buffer_number() {
  static std::uint32_t count = 0;
  return ++count;
}

}  // namespace

std::set<NativeSoundBuffer*>& live_buffers() {
  static std::set<NativeSoundBuffer*> buffers;
  return buffers;
}

NativeSoundBuffer::NativeSoundBuffer(std::uint32_t device, const WAVEFORMATEX& format, DWORD size,
                                     DWORD flags, std::shared_ptr<std::vector<std::byte>> samples)
    : device_(device),
      number_(next_buffer_number()),
      format_(format),
      size_(size),
      flags_(flags),
      bytes_per_second_(static_cast<double>(format.nSamplesPerSec) * format.nBlockAlign),
      samples_(std::move(samples)) {
  live_buffers().insert(this);
  record(SoundEventKind::buffer_created, sim_time(), 0);
}

NativeSoundBuffer::~NativeSoundBuffer() {
  live_buffers().erase(this);
}

ULONG NativeSoundBuffer::AddRef() {
  return ++references_;
}

ULONG NativeSoundBuffer::Release() {
  if (--references_ != 0) return references_;
  settle();
  const double now = sim_time();
  if (playing_) record(SoundEventKind::stopped, now, position_at(now));
  record(SoundEventKind::buffer_released, now, position_at(now));
  delete this;
  return 0;
}

DWORD NativeSoundBuffer::position_at(double now) const {
  if (!playing_) return run_start_position_;
  const double played = std::max(0.0, now - run_start_time_) * bytes_per_second_;
  double position = run_start_position_ + played;
  position = looping_ ? std::fmod(position, size_) : std::min<double>(position, size_);
  const auto bytes = static_cast<DWORD>(position);
  return bytes - bytes % format_.nBlockAlign;
}

void NativeSoundBuffer::settle() {
  if (!playing_ || looping_) return;
  const double end_time = run_start_time_ + (size_ - run_start_position_) / bytes_per_second_;
  if (sim_time() < end_time) return;
  // A play that reaches the end stops there, and the position goes back to the start.
  record(SoundEventKind::ended, end_time, size_);
  playing_ = false;
  run_start_position_ = 0;
}

void NativeSoundBuffer::start_run(double now) {
  run_start_time_ = now;
  if (playing_) record(SoundEventKind::played, now, run_start_position_);
}

void NativeSoundBuffer::record(SoundEventKind kind, double time, DWORD position) const {
  record_event({.kind = kind,
                .time = time,
                .device = device_,
                .buffer = number_,
                .format = format_,
                .size = size_,
                .position = position,
                .looped = looping_,
                .samples = kind == SoundEventKind::played ? samples_ : nullptr});
}

bool NativeSoundBuffer::holds(const void* pointer, DWORD bytes) const {
  const std::less_equal<const void*> at_or_before;
  const std::byte* begin = samples_->data();
  const std::byte* end = begin + size_;
  const auto* start = static_cast<const std::byte*>(pointer);
  return at_or_before(begin, start) && at_or_before(start, end) &&
         bytes <= static_cast<DWORD>(end - start);
}

HRESULT NativeSoundBuffer::GetCurrentPosition(LPDWORD play_cursor, LPDWORD write_cursor) {
  settle();
  const DWORD position = position_at(sim_time());
  if (play_cursor) *play_cursor = position;
  if (write_cursor) *write_cursor = position;
  return DS_OK;
}

HRESULT NativeSoundBuffer::GetStatus(LPDWORD status) {
  if (!status) return DSERR_INVALIDPARAM;
  settle();
  *status = lost_      ? DSBSTATUS_BUFFERLOST
            : playing_ ? DSBSTATUS_PLAYING | (looping_ ? DSBSTATUS_LOOPING : 0)
                       : 0;
  return DS_OK;
}

HRESULT NativeSoundBuffer::Lock(DWORD offset, DWORD bytes, LPVOID* first, LPDWORD first_bytes,
                                LPVOID* second, LPDWORD second_bytes, DWORD flags) {
  if (directsound_faults().lock != DS_OK) return directsound_faults().lock;
  if (lost_) return DSERR_BUFFERLOST;
  if (!first || !first_bytes) return DSERR_INVALIDPARAM;
  settle();
  if (flags & DSBLOCK_FROMWRITECURSOR) offset = position_at(sim_time());
  if (flags & DSBLOCK_ENTIREBUFFER) bytes = size_;
  if (offset >= size_ || bytes == 0 || bytes > size_) return DSERR_INVALIDPARAM;
  // Plays already recorded keep the bytes they sounded with.
  if (samples_.use_count() > 1) samples_ = std::make_shared<std::vector<std::byte>>(*samples_);
  const DWORD until_end = std::min(bytes, size_ - offset);
  *first = samples_->data() + offset;
  *first_bytes = until_end;
  if (second) *second = bytes > until_end ? samples_->data() : nullptr;
  if (second_bytes) *second_bytes = bytes - until_end;
  return DS_OK;
}

HRESULT NativeSoundBuffer::Unlock(LPVOID first, DWORD first_bytes, LPVOID second,
                                  DWORD second_bytes) {
  if (!first || !holds(first, first_bytes)) return DSERR_INVALIDPARAM;
  if (second && (second != samples_->data() || second_bytes > size_)) return DSERR_INVALIDPARAM;
  return DS_OK;
}

HRESULT NativeSoundBuffer::Play(DWORD, DWORD priority, DWORD flags) {
  if (directsound_faults().play != DS_OK) return directsound_faults().play;
  settle();
  if (lost_) return DSERR_BUFFERLOST;
  if (priority != 0 && !(flags_ & DSBCAPS_LOCDEFER)) return DSERR_INVALIDCALL;
  const double now = sim_time();
  run_start_position_ = position_at(now);
  playing_ = true;
  looping_ = (flags & DSBPLAY_LOOPING) != 0;
  start_run(now);
  return DS_OK;
}

HRESULT NativeSoundBuffer::SetCurrentPosition(DWORD position) {
  settle();
  if (position >= size_) return DSERR_INVALIDPARAM;
  run_start_position_ = position - position % format_.nBlockAlign;
  start_run(sim_time());
  return DS_OK;
}

HRESULT NativeSoundBuffer::Stop() {
  settle();
  if (!playing_) return DS_OK;
  const double now = sim_time();
  run_start_position_ = position_at(now);
  playing_ = false;
  record(SoundEventKind::stopped, now, run_start_position_);
  return DS_OK;
}

HRESULT NativeSoundBuffer::Restore() {
  if (!lost_) return DS_OK;
  int& stays_lost = directsound_faults().restore_stays_lost;
  if (stays_lost > 0) {
    --stays_lost;
    return DSERR_BUFFERLOST;
  }
  // The device is back, but what the buffer held is gone: it comes back silent.
  lost_ = false;
  samples_ = std::make_shared<std::vector<std::byte>>(size_);
  run_start_position_ = 0;
  record(SoundEventKind::restored, sim_time(), 0);
  return DS_OK;
}

void NativeSoundBuffer::lose() {
  settle();
  if (lost_) return;
  const double now = sim_time();
  run_start_position_ = position_at(now);
  playing_ = false;
  lost_ = true;
  record(SoundEventKind::lost, now, run_start_position_);
}

}  // namespace platform::dsound
