#pragma once
// The Windows interfaces the modules use. The 32-bit Windows build gets the real ones; the native
// build gets our own stand-ins under platform/native/, which panelsim configures and observes.

#if defined(_WIN32)
#include <windows.h>
// windows.h first: the multimedia and DirectSound headers build on its types.
#include <dsound.h>
#include <mmsystem.h>
#else
#include "platform/native/win_types.h"
#include "platform/native/win_resources.h"
#if __has_include("platform/native/win_system.h")
#include "platform/native/win_system.h"  // Sleep, module file names, global memory, wsprintfA
#endif
#if __has_include("platform/native/win_windows.h")
#include "platform/native/win_windows.h"  // FindWindowA, FindWindowExA, SendMessageA
#endif
#if __has_include("platform/native/win_profile.h")
#include "platform/native/win_profile.h"  // GetPrivateProfileStringA
#endif
#if __has_include("platform/native/win_mmio.h")
#include "platform/native/win_mmio.h"  // multimedia file services
#endif
#if __has_include("platform/native/win_dsound.h")
#include "platform/native/win_dsound.h"  // DirectSound
#endif
#endif
