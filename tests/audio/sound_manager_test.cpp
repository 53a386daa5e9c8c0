#include "audio/sound_manager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/audio/test_support.h"
#include "tests/audio/wav_builder.h"
#if !defined(_WIN32)
#include "platform/native/dsound_faults.h"
#include "platform/native/sound_log.h"
#endif

namespace {

using audio::SoundManager;
using namespace audio_test;

std::string buffer_bytes(IDirectSoundBuffer* buffer, DWORD size) {
  void* first = nullptr;
  DWORD first_bytes = 0;
  if (buffer->Lock(0, size, &first, &first_bytes, nullptr, nullptr, 0) != DS_OK) return "no lock";
  std::string bytes(static_cast<const char*>(first), first_bytes);
  buffer->Unlock(first, first_bytes, nullptr, 0);
  return bytes;
}

DWORD play_position(IDirectSoundBuffer* buffer) {
  DWORD play = 0;
  buffer->GetCurrentPosition(&play, nullptr);
  return play;
}

class Manager : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_platform();
  }
  void TearDown() override { reset_platform(); }

  static void reset_platform() {
#if !defined(_WIN32)
    platform::directsound_faults() = {};
    platform::drain_sound_events();
    platform::drain_sleeps();
#endif
  }

  IDirectSoundBuffer* buffer(std::uint16_t index) const {
    return sounds_.slot(index)->buffer;
  }

  FixtureFolder folder_{"manager_fixtures"};
  // A tenth of a second of 8-bit mono at 8000 Hz, and two seconds of it.
  const std::string tone_ = sample_bytes(800);
  const std::string tone_path_ = folder_.write("tone.wav", pcm_wave(1, 8000, 8, tone_));
  const std::string long_path_ =
      folder_.write("long.wav", pcm_wave(1, 8000, 8, sample_bytes(16000, 4)));
  const std::string missing_path_ = folder_.name() + "\\missing.wav";
  SoundManager sounds_;
};

TEST_F(Manager, LoadFillsTheBufferAndAPlayOnceEndsByItself) {
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  ASSERT_EQ(sounds_.load_sound(5, tone_path_.c_str()), S_OK);
  EXPECT_EQ(sounds_.slot(5)->size, 800u);
  EXPECT_EQ(buffer_bytes(buffer(5), 800), tone_);
  EXPECT_EQ(sounds_.is_sound_playing(5), 0);

  ASSERT_EQ(sounds_.play_sound(5, 0), S_OK);
  EXPECT_EQ(sounds_.is_sound_playing(5), 1);
  EXPECT_TRUE(wait_until([&] { return sounds_.is_sound_playing(5) == 0; }, 5.0));
}

TEST_F(Manager, LoopedPlayGoesOnUntilStoppedWithRewind) {
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  ASSERT_EQ(sounds_.load_sound(0, tone_path_.c_str()), S_OK);
  ASSERT_EQ(sounds_.play_sound(0, 1), S_OK);
  let_time_pass(0.3);  // three times the sound's length
  DWORD status = 0;
  buffer(0)->GetStatus(&status);
  EXPECT_EQ(status & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING),
            DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
  sounds_.stop_sound(0, 1);
  EXPECT_EQ(sounds_.is_sound_playing(0), 0);
  EXPECT_EQ(play_position(buffer(0)), 0u);
}

TEST_F(Manager, PlayStartsWhereThePositionStands) {
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  ASSERT_EQ(sounds_.load_sound(9, long_path_.c_str()), S_OK);
  ASSERT_EQ(buffer(9)->SetCurrentPosition(8000), DS_OK);
  ASSERT_EQ(sounds_.play_sound(9, 0), S_OK);
  EXPECT_GE(play_position(buffer(9)), 8000u);
  sounds_.stop_sound(9, 0);
}

TEST_F(Manager, StopWithoutRewindResumesFromThere) {
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  ASSERT_EQ(sounds_.load_sound(2, long_path_.c_str()), S_OK);
  ASSERT_EQ(sounds_.play_sound(2, 0), S_OK);
  let_time_pass(0.3);
  sounds_.stop_sound(2, 0);
  EXPECT_EQ(sounds_.is_sound_playing(2), 0);
  const DWORD stopped_at = play_position(buffer(2));
  EXPECT_GT(stopped_at, 0u);
  EXPECT_LT(stopped_at, 16000u);

  ASSERT_EQ(sounds_.play_sound(2, 0), S_OK);
  EXPECT_GE(play_position(buffer(2)), stopped_at);
  sounds_.stop_sound(2, 1);
  EXPECT_EQ(play_position(buffer(2)), 0u);
}

TEST_F(Manager, ReloadReleasesTheOldSoundEvenWhenTheNewFileFails) {
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  ASSERT_EQ(sounds_.load_sound(3, tone_path_.c_str()), S_OK);
  EXPECT_EQ(sounds_.load_sound(3, missing_path_.c_str()), E_FAIL);
  const audio::SoundSlot& slot = *sounds_.slot(3);
  EXPECT_EQ(slot.buffer, nullptr);
  ASSERT_NE(slot.reader, nullptr) << "the new reader stays, with no format";
  EXPECT_EQ(slot.reader->format, nullptr);
#if !defined(_WIN32)
  EXPECT_EQ(platform::live_sound_objects().buffers, 0u);
#endif

  const std::string other = sample_bytes(300, 8);
  const std::string other_path = folder_.write("other.wav", pcm_wave(1, 8000, 8, other));
  ASSERT_EQ(sounds_.load_sound(3, other_path.c_str()), S_OK);
  EXPECT_EQ(buffer_bytes(buffer(3), 300), other);
}

// DirectSound decides about a format it does not play; the real one refuses tag 2.
TEST_F(Manager, NonPcmFormatIsHandedToDirectSound) {
  const std::string adpcm =
      riff("WAVE", chunk("fmt ", format_head(2, 2, 22050, 4) + u16(32) + sample_bytes(32)) +
                       chunk("data", sample_bytes(1024)));
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  EXPECT_EQ(sounds_.load_sound(4, folder_.write("adpcm.wav", adpcm).c_str()), E_NOTIMPL);
  ASSERT_NE(sounds_.slot(4)->reader, nullptr);
  EXPECT_EQ(sounds_.slot(4)->reader->format->wFormatTag, 2);
  EXPECT_EQ(buffer(4), nullptr);
}

// Empty (slot 7) or opened without a buffer (slot 8): nothing plays, nothing breaks.
TEST_F(Manager, SlotWithoutBufferIsInert) {
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  EXPECT_EQ(sounds_.load_sound(8, missing_path_.c_str()), E_FAIL);
  for (std::uint16_t index : {7, 8}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(sounds_.is_sound_playing(index), 0);
    EXPECT_EQ(sounds_.play_sound(index, 0), E_FAIL);
    EXPECT_EQ(sounds_.restore_sound_buffer(index), E_FAIL);
    EXPECT_EQ(sounds_.fill_sound_buffer(index), E_FAIL);
    sounds_.stop_sound(index, 1);
    EXPECT_EQ(sounds_.free_sound(index), S_OK);
    EXPECT_EQ(sounds_.slot(index)->reader, nullptr);
  }
}

TEST_F(Manager, WithoutADeviceNothingLoads) {
  EXPECT_EQ(sounds_.load_sound(1, tone_path_.c_str()), E_FAIL);
  ASSERT_NE(sounds_.slot(1)->reader, nullptr);
  EXPECT_NE(sounds_.slot(1)->reader->format, nullptr) << "the file itself opened";
  EXPECT_EQ(buffer(1), nullptr);
  EXPECT_EQ(sounds_.play_sound(1, 0), E_FAIL);
}

TEST_F(Manager, IndicesOutsideTheTableAreRefused) {
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  for (std::uint16_t index : {100, 65535}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(sounds_.create_sound_buffer(index, tone_path_.c_str()), E_FAIL);
    EXPECT_EQ(sounds_.load_sound(index, tone_path_.c_str()), E_FAIL);
    EXPECT_EQ(sounds_.fill_sound_buffer(index), E_FAIL);
    EXPECT_EQ(sounds_.play_sound(index, 1), E_FAIL);
    EXPECT_EQ(sounds_.restore_sound_buffer(index), E_FAIL);
    EXPECT_EQ(sounds_.is_sound_playing(index), 0);
    sounds_.stop_sound(index, 1);
    EXPECT_EQ(sounds_.free_sound(index), E_FAIL);
    EXPECT_EQ(sounds_.slot(index), nullptr);
  }
}

TEST_F(Manager, FreeAndReleaseEmptyEverything) {
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  IDirectSound* device = sounds_.device();
  EXPECT_EQ(sounds_.init_sound_device(), S_OK);
  EXPECT_EQ(sounds_.device(), device) << "a second init keeps the device";
  ASSERT_EQ(sounds_.load_sound(99, tone_path_.c_str()), S_OK);
  EXPECT_EQ(sounds_.free_sound(99), S_OK);
  EXPECT_EQ(buffer(99), nullptr);
  EXPECT_EQ(sounds_.slot(99)->reader, nullptr);
  EXPECT_EQ(sounds_.release_sound_device(), S_OK);
  EXPECT_EQ(sounds_.device(), nullptr);
  EXPECT_EQ(sounds_.release_sound_device(), S_OK);
#if !defined(_WIN32)
  EXPECT_EQ(platform::live_sound_objects().devices, 0u);
  EXPECT_EQ(platform::live_sound_objects().buffers, 0u);
#endif
}

// The data chunk claims more than the file holds: the buffer exists, but every fill fails.
TEST_F(Manager, TruncatedDataFailsEveryFill) {
  const std::string file =
      riff("WAVE", chunk("fmt ", format_head(1, 1, 8000, 8)) + chunk("data", tone_, 4000));
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  EXPECT_EQ(sounds_.load_sound(6, folder_.write("truncated.wav", file).c_str()), E_FAIL);
  ASSERT_NE(buffer(6), nullptr);
  EXPECT_EQ(sounds_.slot(6)->size, 4000u);
  EXPECT_EQ(sounds_.fill_sound_buffer(6), E_FAIL) << "a second fill starts over and fails too";
#if !defined(_WIN32)
  platform::lose_sound_buffers();
  EXPECT_EQ(sounds_.play_sound(6, 0), E_FAIL);
  EXPECT_EQ(sounds_.is_sound_playing(6), 0);
#endif
}

// Failures only our own platform can produce; the cases exist on both builds and are skipped
// on Windows.
class NativeManager : public Manager {
 protected:
  void SetUp() override {
    if (!kNativePlatform) GTEST_SKIP() << "faults are injected into our own platform only";
    Manager::SetUp();
  }
};

TEST_F(NativeManager, LostBufferIsRestoredRefilledAndPlayedByTheSameCall) {
#if !defined(_WIN32)
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  ASSERT_EQ(sounds_.load_sound(1, long_path_.c_str()), S_OK);
  ASSERT_EQ(sounds_.play_sound(1, 1), S_OK);
  let_time_pass(0.5);
  platform::lose_sound_buffers();
  EXPECT_EQ(sounds_.is_sound_playing(1), 0);
  platform::directsound_faults().restore_stays_lost = 2;
  platform::drain_sound_events();

  ASSERT_EQ(sounds_.play_sound(1, 0), S_OK);
  EXPECT_EQ(sounds_.is_sound_playing(1), 1);
  EXPECT_EQ(buffer_bytes(buffer(1), 16000), sample_bytes(16000, 4));
  const auto sleeps = platform::drain_sleeps();
  ASSERT_EQ(sleeps.size(), 1u);
  EXPECT_EQ(sleeps[0].milliseconds, 10u);
  const auto events = platform::drain_sound_events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].kind, platform::SoundEventKind::restored);
  EXPECT_EQ(events[1].kind, platform::SoundEventKind::played);
  EXPECT_EQ(events[1].position, 0u) << "the refilled sound plays from its start";
  EXPECT_FALSE(events[1].looped);
#endif
}

TEST_F(NativeManager, RestoreGivesUpAfterTenRounds) {
#if !defined(_WIN32)
  ASSERT_EQ(sounds_.init_sound_device(), S_OK);
  ASSERT_EQ(sounds_.load_sound(1, tone_path_.c_str()), S_OK);
  platform::lose_sound_buffers();
  platform::directsound_faults().restore_stays_lost = 1000;
  EXPECT_EQ(sounds_.play_sound(1, 0), DSERR_BUFFERLOST);
  EXPECT_EQ(sounds_.is_sound_playing(1), 0);
  EXPECT_EQ(platform::drain_sleeps().size(), 10u);
  EXPECT_EQ(platform::directsound_faults().restore_stays_lost, 980) << "two Restores a round";
#endif
}

TEST_F(NativeManager, InjectedFailuresAreReturnedUnchanged) {
#if !defined(_WIN32)
  using Faults = platform::DirectSoundFaults;
  constexpr HRESULT kCode = DSERR_ALLOCATED;
  struct FaultCase {
    const char* name;
    HRESULT Faults::*fault;
    HRESULT init, load, play;
    bool keeps_device, has_buffer;
  };
  const FaultCase cases[] = {
      {"create", &Faults::create, kCode, E_FAIL, E_FAIL, false, false},
      // A device that failed its cooperative level is used anyway.
      {"cooperative level", &Faults::cooperative_level, kCode, S_OK, S_OK, true, true},
      {"buffer creation", &Faults::create_buffer, S_OK, kCode, E_FAIL, true, false},
      {"lock", &Faults::lock, S_OK, kCode, S_OK, true, true},
      {"play", &Faults::play, S_OK, S_OK, kCode, true, true},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    platform::directsound_faults() = {};
    platform::directsound_faults().*c.fault = kCode;
    SoundManager sounds;
    EXPECT_EQ(sounds.init_sound_device(), c.init);
    EXPECT_EQ(sounds.load_sound(0, tone_path_.c_str()), c.load);
    EXPECT_EQ(sounds.play_sound(0, 0), c.play);
    EXPECT_EQ(sounds.device() != nullptr, c.keeps_device);
    EXPECT_EQ(sounds.slot(0)->buffer != nullptr, c.has_buffer);
  }
#endif
}

TEST_F(NativeManager, DestructionReleasesEverything) {
#if !defined(_WIN32)
  {
    SoundManager sounds;
    ASSERT_EQ(sounds.init_sound_device(), S_OK);
    for (std::uint16_t index : {0, 50, 99}) {
      ASSERT_EQ(sounds.load_sound(index, tone_path_.c_str()), S_OK);
    }
    ASSERT_EQ(sounds.play_sound(50, 1), S_OK);
  }
  EXPECT_EQ(platform::live_sound_objects().devices, 0u);
  EXPECT_EQ(platform::live_sound_objects().buffers, 0u);
#endif
}

}  // namespace
