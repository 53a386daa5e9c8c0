#include "platform/native/win_windows.h"

#include <strings.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

struct NativeWindow {
  std::string class_name;
  std::string title;
  WNDPROC procedure = nullptr;
  LONG_PTR user_data = 0;
};

namespace {

// In creation order, which is the order FindWindowExA searches in.
std::vector<std::unique_ptr<NativeWindow>>& windows() {
  static std::vector<std::unique_ptr<NativeWindow>> registry;
  return registry;
}

NativeWindow* find_registered(HWND window) {
  if (window == nullptr) return nullptr;
  for (const auto& entry : windows()) {
    if (entry.get() == window) return entry.get();
  }
  return nullptr;
}

// A class name below 0x10000 is an atom; atoms are not registered here, so it matches nothing.
bool is_atom(LPCSTR name) {
  return reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF;
}

bool name_matches(LPCSTR wanted, const std::string& actual) {
  return wanted == nullptr || strcasecmp(wanted, actual.c_str()) == 0;
}

}  // namespace

namespace platform {

HWND register_window(const char* class_name, const char* title, WNDPROC procedure) {
  auto window = std::make_unique<NativeWindow>();
  window->class_name = class_name ? class_name : "";
  window->title = title ? title : "";
  window->procedure = procedure;
  windows().push_back(std::move(window));
  return windows().back().get();
}

void unregister_window(HWND window) {
  auto& registry = windows();
  std::erase_if(registry, [window](const auto& entry) { return entry.get() == window; });
}

}  // namespace platform

extern "C" {

HWND FindWindowExA(HWND parent, HWND child_after, LPCSTR class_name, LPCSTR window_name) {
  if (parent != nullptr) return nullptr;
  if (class_name != nullptr && is_atom(class_name)) return nullptr;
  const auto& registry = windows();
  auto it = registry.begin();
  if (child_after != nullptr) {
    it = std::find_if(registry.begin(), registry.end(),
                      [child_after](const auto& entry) { return entry.get() == child_after; });
    if (it == registry.end()) return nullptr;
    ++it;
  }
  for (; it != registry.end(); ++it) {
    if (name_matches(class_name, (*it)->class_name) && name_matches(window_name, (*it)->title)) {
      return it->get();
    }
  }
  return nullptr;
}

HWND FindWindowA(LPCSTR class_name, LPCSTR window_name) {
  return FindWindowExA(nullptr, nullptr, class_name, window_name);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  NativeWindow* target = find_registered(window);
  if (target == nullptr || target->procedure == nullptr) return 0;
  // The procedure may unregister its own window, so nothing of it is used after the call.
  WNDPROC procedure = target->procedure;
  return procedure(window, message, wparam, lparam);
}

LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM) {
  return 0;
}

BOOL IsWindow(HWND window) {
  return find_registered(window) != nullptr ? TRUE : FALSE;
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
  NativeWindow* target = find_registered(window);
  if (target == nullptr || index != GWLP_USERDATA) return 0;
  LONG_PTR previous = target->user_data;
  target->user_data = value;
  return previous;
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
  NativeWindow* target = find_registered(window);
  if (target == nullptr || index != GWLP_USERDATA) return 0;
  return target->user_data;
}

}  // extern "C"
