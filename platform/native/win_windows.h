#pragma once
// Windows and window messages for the native build: a registry of windows, each with a class
// name, a title and a window procedure, that panelsim fills through platform::register_window.
// Limits: every window is top-level and belongs to the one panel thread; SendMessageA calls the
// procedure directly (no queue); class atoms, window styles and parents other than null are not
// modelled; the only window word is the user data.
#include <cstdint>

#include "platform/native/win_types.h"

using LONG_PTR = std::intptr_t;
using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

inline constexpr int GWLP_USERDATA = -21;

extern "C" {
// Searches the windows whose parent is parent (null: the top-level windows), starting after
// child_after (null: from the first). A null class or title matches any; both compare
// without regard to case.
HWND FindWindowExA(HWND parent, HWND child_after, LPCSTR class_name, LPCSTR window_name);
HWND FindWindowA(LPCSTR class_name, LPCSTR window_name);
// The procedure's answer, or 0 when the window does not exist.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
BOOL IsWindow(HWND window);
// Only GWLP_USERDATA is kept; the setter returns the previous value, 0 for a missing window.
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR GetWindowLongPtrA(HWND window, int index);
}

namespace platform {
// Adds a top-level window after those already registered and returns its handle.
HWND register_window(const char* class_name, const char* title, WNDPROC procedure);
// Removes the window; its handle no longer answers. Unknown handles are ignored.
void unregister_window(HWND window);
}  // namespace platform
