#pragma once
// Kernel services for the native build, declared as Windows documents them: COM result codes,
// Sleep, global memory and module file names.
// Limits: Sleep never blocks real time (it is recorded for the trace instead and does not move
// the simulated clock); global memory is always zeroed and never moves; module file names are
// host paths.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/native/win_types.h"

using SIZE_T = std::size_t;
using ULONG = std::uint32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110);
constexpr bool SUCCEEDED(HRESULT result) {
  return result >= 0;
}
constexpr bool FAILED(HRESULT result) {
  return result < 0;
}

inline constexpr UINT GMEM_FIXED = 0x0;
inline constexpr UINT GMEM_MOVEABLE = 0x2;
inline constexpr UINT GMEM_ZEROINIT = 0x40;
inline constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

extern "C" {
void Sleep(DWORD milliseconds);
// A fixed block's handle is its address; a moveable block's handle must be locked for one.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID GlobalLock(HGLOBAL block);
// Nonzero while a moveable block stays locked; 0 once unlocked (and always for a fixed block).
BOOL GlobalUnlock(HGLOBAL block);
// Null once freed; the handle itself when it names no block.
HGLOBAL GlobalFree(HGLOBAL block);
SIZE_T GlobalSize(HGLOBAL block);
// The module's file (null: the running program). The answer is the length copied; a name cut
// to fit the buffer fills it without a terminator, and the answer is then the buffer size.
DWORD GetModuleFileNameA(HMODULE module, LPSTR name, DWORD size);
}

namespace platform {
struct SleepRecord {
  double time;  // simulated seconds when the sleep was asked for
  DWORD milliseconds;
};
// The sleeps asked for since the last call, oldest first.
std::vector<SleepRecord> drain_sleeps();
}  // namespace platform
