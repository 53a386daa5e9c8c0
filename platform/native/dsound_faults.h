#pragma once
// Failures that tests inject into the native DirectSound stand-in. Each nonzero code is
// answered by every call of that kind until the faults are set back to {}.
#include "platform/native/win_dsound.h"

namespace platform {

struct DirectSoundFaults {
  HRESULT create = DS_OK;             // DirectSoundCreate
  HRESULT cooperative_level = DS_OK;  // IDirectSound::SetCooperativeLevel
  HRESULT create_buffer = DS_OK;      // IDirectSound::CreateSoundBuffer
  HRESULT lock = DS_OK;               // IDirectSoundBuffer::Lock
  HRESULT play = DS_OK;               // IDirectSoundBuffer::Play
  int restore_stays_lost = 0;         // Restore answers DSERR_BUFFERLOST this many more times
};

DirectSoundFaults& directsound_faults();

// Every live buffer is lost, as when another program takes the sound device: playing stops,
// and the buffer answers DSERR_BUFFERLOST until it is restored.
void lose_sound_buffers();

}  // namespace platform
