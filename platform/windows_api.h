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
#endif
