// DirectSound as the sound manager relies on it; the same cases run against our stand-in and
// against the system's own under Windows. The sound log and injected faults are ours alone.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/windows_api.h"
#include "tests/audio/test_support.h"
#if !defined(_WIN32)
#include "platform/native/dsound_faults.h"
#include "platform/native/sim_clock.h"
#include "platform/native/sound_log.h"
#endif

namespace {

using namespace audio_test;

WAVEFORMATEX pcm(WORD channels, DWORD rate, WORD bits) {
  const auto block = static_cast<WORD>(channels * bits / 8);
  return {.wFormatTag = WAVE_FORMAT_PCM,
          .nChannels = channels,
          .nSamplesPerSec = rate,
          .nAvgBytesPerSec = rate * block,
          .nBlockAlign = block,
          .wBitsPerSample = bits};
}

WAVEFORMATEX with(WAVEFORMATEX format, void (*change)(WAVEFORMATEX&)) {
  change(format);
  return format;
}

class DirectSound : public ::testing::Test {
 protected:
  void SetUp() override {
#if !defined(_WIN32)
    platform::directsound_faults() = {};
    platform::drain_sound_events();
#endif
    ASSERT_EQ(DirectSoundCreate(nullptr, &device_, nullptr), DS_OK);
    ASSERT_EQ(device_->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DS_OK);
  }
  void TearDown() override {
    if (buffer_) buffer_->Release();
    if (device_) device_->Release();
#if !defined(_WIN32)
    platform::directsound_faults() = {};
#endif
  }

  HRESULT create(const WAVEFORMATEX* format, DWORD bytes, DWORD flags = DSBCAPS_STATIC,
                 DWORD description_size = 36) {
    if (buffer_) buffer_->Release();
    buffer_ = nullptr;
    WAVEFORMATEX copy{};
    if (format) copy = *format;
    DSBUFFERDESC description{.dwSize = description_size,
                             .dwFlags = flags,
                             .dwBufferBytes = bytes,
                             .lpwfxFormat = format ? &copy : nullptr};
    return device_->CreateSoundBuffer(&description, &buffer_, nullptr);
  }

  DWORD status() const {
    DWORD value = 0;
    buffer_->GetStatus(&value);
    return value;
  }
  DWORD position() const {
    DWORD play = 0;
    buffer_->GetCurrentPosition(&play, nullptr);
    return play;
  }

  IDirectSound* device_ = nullptr;
  IDirectSoundBuffer* buffer_ = nullptr;
};

struct CreationCase {
  const char* name;
  WAVEFORMATEX format;
  DWORD bytes;
  DWORD flags;
  DWORD description_size;
  HRESULT answer;
};

TEST_F(DirectSound, BufferCreationAnswers) {
  const WAVEFORMATEX mono8 = pcm(1, 8000, 8);
  const CreationCase cases[] = {
      {"8-bit mono", mono8, 8000, DSBCAPS_STATIC, 36, DS_OK},
      {"16-bit stereo", pcm(2, 44100, 16), 4000, DSBCAPS_STATIC, 36, DS_OK},
      {"24-bit", pcm(1, 8000, 24), 99, DSBCAPS_STATIC, 36, DS_OK},
      {"click flags", pcm(1, 22050, 16), 3828, 0x80E0, 36, DS_OK},
      {"old 20-byte description", mono8, 100, DSBCAPS_STATIC, 20, DS_OK},
      {"description size 0", mono8, 100, DSBCAPS_STATIC, 0, DSERR_INVALIDPARAM},
      {"4 bytes", mono8, 4, DSBCAPS_STATIC, 36, DS_OK},
      {"3 bytes", mono8, 3, DSBCAPS_STATIC, 36, DSERR_INVALIDPARAM},
      {"0 bytes", mono8, 0, DSBCAPS_STATIC, 36, DSERR_INVALIDPARAM},
      {"over the largest size", mono8, 0x10000000, DSBCAPS_STATIC, 36, DSERR_INVALIDPARAM},
      {"byte rate that disagrees", with(pcm(1, 8000, 16), [](auto& f) { f.nAvgBytesPerSec = 9; }),
       100, DSBCAPS_STATIC, 36, DS_OK},
      {"wrong block alignment", with(pcm(1, 8000, 16), [](auto& f) { f.nBlockAlign = 3; }), 100,
       DSBCAPS_STATIC, 36, DSERR_INVALIDPARAM},
      {"12 bits", with(pcm(1, 8000, 16), [](auto& f) { f.wBitsPerSample = 12; }), 100,
       DSBCAPS_STATIC, 36, DSERR_INVALIDPARAM},
      {"no channels", with(pcm(1, 8000, 16), [](auto& f) { f.nChannels = 0; }), 100, DSBCAPS_STATIC,
       36, DSERR_INVALIDPARAM},
      {"no sample rate",
       with(pcm(1, 8000, 16), [](auto& f) { f.nSamplesPerSec = f.nAvgBytesPerSec = 0; }), 100,
       DSBCAPS_STATIC, 36, DSERR_INVALIDPARAM},
      {"format tag 2",
       with(pcm(2, 22050, 4),
            [](auto& f) {
              f.wFormatTag = 2;
              f.nBlockAlign = 1024;
            }),
       1024, DSBCAPS_STATIC, 36, E_NOTIMPL},
      {"primary buffer", mono8, 100, DSBCAPS_PRIMARYBUFFER, 36, DSERR_INVALIDPARAM},
  };
  for (const CreationCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(create(&c.format, c.bytes, c.flags, c.description_size), c.answer);
    EXPECT_EQ(buffer_ != nullptr, c.answer == DS_OK);
  }
  EXPECT_EQ(create(nullptr, 100), DSERR_INVALIDPARAM) << "no format";
}

TEST_F(DirectSound, LockHandsOutOnePartOrTwoAcrossTheEnd) {
  const WAVEFORMATEX format = pcm(1, 8000, 8);
  ASSERT_EQ(create(&format, 800), DS_OK);
  void* first = nullptr;
  void* second = nullptr;
  DWORD first_bytes = 0;
  DWORD second_bytes = 0;
  ASSERT_EQ(buffer_->Lock(0, 800, &first, &first_bytes, &second, &second_bytes, 0), DS_OK);
  EXPECT_EQ(first_bytes, 800u);
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(second_bytes, 0u);
  std::memset(first, 0x5A, 800);
  ASSERT_EQ(buffer_->Unlock(first, first_bytes, second, second_bytes), DS_OK);
  void* start = first;

  ASSERT_EQ(buffer_->Lock(700, 200, &first, &first_bytes, &second, &second_bytes, 0), DS_OK);
  EXPECT_EQ(first_bytes, 100u);
  EXPECT_EQ(second, start) << "the rest wraps to the start";
  EXPECT_EQ(second_bytes, 100u);
  EXPECT_EQ(static_cast<const unsigned char*>(second)[0], 0x5A);
  ASSERT_EQ(buffer_->Unlock(first, first_bytes, second, second_bytes), DS_OK);

  EXPECT_EQ(buffer_->Lock(0, 801, &first, &first_bytes, &second, &second_bytes, 0),
            DSERR_INVALIDPARAM);
  EXPECT_EQ(buffer_->Lock(800, 10, &first, &first_bytes, &second, &second_bytes, 0),
            DSERR_INVALIDPARAM);
}

TEST_F(DirectSound, StatusAndPositionFollowPlayAndStop) {
  const WAVEFORMATEX format = pcm(1, 8000, 8);
  ASSERT_EQ(create(&format, 16000), DS_OK);  // two seconds
  EXPECT_EQ(status(), 0u);
  EXPECT_EQ(buffer_->Restore(), DS_OK) << "a buffer that is not lost restores at once";
  ASSERT_EQ(buffer_->SetCurrentPosition(4000), DS_OK);
  EXPECT_EQ(position(), 4000u);
  ASSERT_EQ(buffer_->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  EXPECT_EQ(status(), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
  EXPECT_GE(position(), 4000u) << "play starts where the position stands";
  ASSERT_EQ(buffer_->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(status(), DSBSTATUS_PLAYING) << "play again while playing changes the looping";
  let_time_pass(0.2);
  ASSERT_EQ(buffer_->Stop(), DS_OK);
  EXPECT_EQ(status(), 0u);
  const DWORD stopped_at = position();
  EXPECT_GT(stopped_at, 4000u);
  let_time_pass(0.1);
  EXPECT_EQ(position(), stopped_at) << "a stopped buffer keeps its position";
  EXPECT_EQ(buffer_->Stop(), DS_OK);
}

TEST_F(DirectSound, PlayOnceEndsByItselfAndGoesBackToTheStart) {
  const WAVEFORMATEX format = pcm(1, 8000, 8);
  ASSERT_EQ(create(&format, 800), DS_OK);  // a tenth of a second
  ASSERT_EQ(buffer_->Play(0, 0, 0), DS_OK);
  EXPECT_TRUE(wait_until([&] { return status() == 0; }, 5.0));
  EXPECT_EQ(position(), 0u);
}

TEST_F(DirectSound, ReferenceCounts) {
  const WAVEFORMATEX format = pcm(1, 8000, 8);
  ASSERT_EQ(create(&format, 800), DS_OK);
  EXPECT_EQ(device_->AddRef(), 2u);
  EXPECT_EQ(device_->Release(), 1u);
  EXPECT_EQ(buffer_->AddRef(), 2u);
  EXPECT_EQ(buffer_->Release(), 1u);
}

// What only our own platform shows: the record of what played, and loss on demand.
class NativeDirectSound : public DirectSound {
 protected:
  void SetUp() override {
    if (!kNativePlatform) GTEST_SKIP() << "the sound log and losses are our platform's own";
    DirectSound::SetUp();
  }
};

TEST_F(NativeDirectSound, SoundLogRecordsWhatPlayedAndWhen) {
#if !defined(_WIN32)
  using Kind = platform::SoundEventKind;
  const WAVEFORMATEX format = pcm(1, 8000, 8);
  platform::drain_sound_events();  // the device's creation
  ASSERT_EQ(create(&format, 800), DS_OK);
  void* bytes = nullptr;
  DWORD count = 0;
  ASSERT_EQ(buffer_->Lock(0, 800, &bytes, &count, nullptr, nullptr, 0), DS_OK);
  std::memset(bytes, 0x11, count);
  buffer_->Unlock(bytes, count, nullptr, 0);

  const double start = platform::sim_time();
  ASSERT_EQ(buffer_->Play(0, 0, 0), DS_OK);
  ASSERT_EQ(buffer_->Lock(0, 800, &bytes, &count, nullptr, nullptr, 0), DS_OK);
  std::memset(bytes, 0x22, count);  // after the play: the recorded bytes stay as they sounded
  buffer_->Unlock(bytes, count, nullptr, 0);
  let_time_pass(0.5);
  ASSERT_EQ(buffer_->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  let_time_pass(0.05);
  ASSERT_EQ(buffer_->Stop(), DS_OK);
  platform::lose_sound_buffers();
  EXPECT_EQ(status(), DSBSTATUS_BUFFERLOST);
  EXPECT_EQ(buffer_->Play(0, 0, 0), DSERR_BUFFERLOST);
  EXPECT_EQ(buffer_->Restore(), DS_OK);

  const auto events = platform::drain_sound_events();
  ASSERT_EQ(events.size(), 7u);
  EXPECT_EQ(events[0].kind, Kind::buffer_created);
  EXPECT_EQ(events[0].size, 800u);
  EXPECT_EQ(events[0].format.nSamplesPerSec, 8000u);
  EXPECT_EQ(events[1].kind, Kind::played);
  EXPECT_EQ(events[1].time, start);
  EXPECT_FALSE(events[1].looped);
  ASSERT_NE(events[1].samples, nullptr);
  EXPECT_EQ(events[1].samples->size(), 800u);
  EXPECT_EQ(events[1].samples->front(), std::byte{0x11});
  EXPECT_EQ(events[2].kind, Kind::ended);
  EXPECT_DOUBLE_EQ(events[2].time, start + 0.1) << "800 bytes at 8000 bytes a second";
  EXPECT_EQ(events[3].kind, Kind::played);
  EXPECT_TRUE(events[3].looped);
  EXPECT_EQ(events[3].samples->front(), std::byte{0x22});
  EXPECT_EQ(events[4].kind, Kind::stopped);
  EXPECT_EQ(events[4].position, 400u);
  EXPECT_EQ(events[5].kind, Kind::lost);
  EXPECT_EQ(events[6].kind, Kind::restored);
#endif
}

TEST_F(NativeDirectSound, InjectedRestoreFailuresCountDown) {
#if !defined(_WIN32)
  const WAVEFORMATEX format = pcm(1, 8000, 8);
  ASSERT_EQ(create(&format, 800), DS_OK);
  platform::lose_sound_buffers();
  platform::directsound_faults().restore_stays_lost = 2;
  EXPECT_EQ(buffer_->Restore(), DSERR_BUFFERLOST);
  EXPECT_EQ(buffer_->Restore(), DSERR_BUFFERLOST);
  EXPECT_EQ(buffer_->Restore(), DS_OK);
  EXPECT_EQ(status(), 0u);
#endif
}

}  // namespace
