#pragma once
// DirectSound for the native build, declared as Windows documents it. Buffers play on the
// simulated clock at their format's byte rate, and everything played is recorded
// (sound_log.h); tests inject failures through dsound_faults.h.
// Limits: the default device only; static and streaming secondary buffers of PCM or IEEE-float
// formats (other tags are refused with E_NOTIMPL, as the real one refuses ADPCM); no primary
// buffer, 3-D, effects or notifications; the methods the modules never call (volume, pan,
// frequency, caps, format, duplicates, QueryInterface) are left out; the write cursor is the
// play cursor.
#include <cstdint>

#include "platform/native/win_mmio.h"    // WAVEFORMATEX
#include "platform/native/win_system.h"  // HRESULT codes, ULONG

using LPDWORD = DWORD*;

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
using LPCGUID = const GUID*;
struct IUnknown;  // outer objects for aggregation, which DirectSound refuses
using LPUNKNOWN = IUnknown*;

struct DSBUFFERDESC {
  DWORD dwSize;  // 36 for this layout; the older 20-byte one ends before guid3DAlgorithm
  DWORD dwFlags;
  DWORD dwBufferBytes;
  DWORD dwReserved;
  LPWAVEFORMATEX lpwfxFormat;
  GUID guid3DAlgorithm;
};
using LPCDSBUFFERDESC = const DSBUFFERDESC*;

inline constexpr HRESULT DS_OK = S_OK;
inline constexpr HRESULT DSERR_GENERIC = E_FAIL;
inline constexpr HRESULT DSERR_INVALIDPARAM = E_INVALIDARG;
inline constexpr HRESULT DSERR_OUTOFMEMORY = E_OUTOFMEMORY;
inline constexpr HRESULT DSERR_UNSUPPORTED = E_NOTIMPL;
inline constexpr HRESULT DSERR_NOAGGREGATION = CLASS_E_NOAGGREGATION;
inline constexpr HRESULT DSERR_ALLOCATED = static_cast<HRESULT>(0x8878000A);
inline constexpr HRESULT DSERR_CONTROLUNAVAIL = static_cast<HRESULT>(0x8878001E);
inline constexpr HRESULT DSERR_INVALIDCALL = static_cast<HRESULT>(0x88780032);
inline constexpr HRESULT DSERR_PRIOLEVELNEEDED = static_cast<HRESULT>(0x88780046);
inline constexpr HRESULT DSERR_BADFORMAT = static_cast<HRESULT>(0x88780064);
inline constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078);
inline constexpr HRESULT DSERR_BUFFERLOST = static_cast<HRESULT>(0x88780096);
inline constexpr HRESULT DSERR_OTHERAPPHASPRIO = static_cast<HRESULT>(0x887800A0);
inline constexpr HRESULT DSERR_UNINITIALIZED = static_cast<HRESULT>(0x887800AA);

inline constexpr DWORD DSSCL_NORMAL = 1;
inline constexpr DWORD DSSCL_PRIORITY = 2;
inline constexpr DWORD DSSCL_EXCLUSIVE = 3;
inline constexpr DWORD DSSCL_WRITEPRIMARY = 4;

inline constexpr DWORD DSBCAPS_PRIMARYBUFFER = 0x1;
inline constexpr DWORD DSBCAPS_STATIC = 0x2;
inline constexpr DWORD DSBCAPS_LOCHARDWARE = 0x4;
inline constexpr DWORD DSBCAPS_LOCSOFTWARE = 0x8;
inline constexpr DWORD DSBCAPS_CTRL3D = 0x10;
inline constexpr DWORD DSBCAPS_CTRLFREQUENCY = 0x20;
inline constexpr DWORD DSBCAPS_CTRLPAN = 0x40;
inline constexpr DWORD DSBCAPS_CTRLVOLUME = 0x80;
inline constexpr DWORD DSBCAPS_STICKYFOCUS = 0x4000;
inline constexpr DWORD DSBCAPS_GLOBALFOCUS = 0x8000;
inline constexpr DWORD DSBCAPS_GETCURRENTPOSITION2 = 0x10000;
inline constexpr DWORD DSBCAPS_LOCDEFER = 0x40000;

inline constexpr DWORD DSBPLAY_LOOPING = 0x1;
inline constexpr DWORD DSBSTATUS_PLAYING = 0x1;
inline constexpr DWORD DSBSTATUS_BUFFERLOST = 0x2;
inline constexpr DWORD DSBSTATUS_LOOPING = 0x4;
inline constexpr DWORD DSBLOCK_FROMWRITECURSOR = 0x1;
inline constexpr DWORD DSBLOCK_ENTIREBUFFER = 0x2;
inline constexpr DWORD DSBSIZE_MIN = 4;
inline constexpr DWORD DSBSIZE_MAX = 0x0FFFFFFF;

inline constexpr WORD WAVE_FORMAT_IEEE_FLOAT = 3;

class IDirectSoundBuffer {
 public:
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;
  virtual HRESULT GetCurrentPosition(LPDWORD play_cursor, LPDWORD write_cursor) = 0;
  virtual HRESULT GetStatus(LPDWORD status) = 0;
  virtual HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* first, LPDWORD first_bytes,
                       LPVOID* second, LPDWORD second_bytes, DWORD flags) = 0;
  virtual HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) = 0;
  virtual HRESULT SetCurrentPosition(DWORD position) = 0;
  virtual HRESULT Stop() = 0;
  virtual HRESULT Unlock(LPVOID first, DWORD first_bytes, LPVOID second, DWORD second_bytes) = 0;
  virtual HRESULT Restore() = 0;

 protected:
  ~IDirectSoundBuffer() = default;  // objects go away through Release
};
using LPDIRECTSOUNDBUFFER = IDirectSoundBuffer*;

class IDirectSound {
 public:
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;
  virtual HRESULT CreateSoundBuffer(LPCDSBUFFERDESC description, LPDIRECTSOUNDBUFFER* buffer,
                                    LPUNKNOWN outer) = 0;
  virtual HRESULT SetCooperativeLevel(HWND window, DWORD level) = 0;

 protected:
  ~IDirectSound() = default;
};
using LPDIRECTSOUND = IDirectSound*;

extern "C" {
HRESULT DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* sound, LPUNKNOWN outer);
}
