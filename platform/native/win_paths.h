#pragma once
// Windows path rules for the stand-ins and for module code that opens files itself: backslashes
// and forward slashes both separate, names match case-insensitively, "." and ".." are taken
// lexically, and a relative path starts at the current folder (panelsim sets it to the simulator
// root). On Windows the system applies its own rules, so both helpers pass the path through.
// Limits: a drive prefix such as "C:" is dropped and the rest taken from the file system root;
// when two names differ only in case, the exact spelling wins, otherwise the first in byte order.
#include <cstdio>
#include <string>

namespace platform {

#if defined(_WIN32)
inline std::string resolve_path(const char* windows_path) {
  return windows_path ? windows_path : "";
}
inline std::FILE* open_file_for_reading(const char* windows_path, const char* mode = "rb") {
  return windows_path ? std::fopen(windows_path, mode) : nullptr;
}
#else
// The host path that names the file the way Windows would find it. A part that does not exist
// is kept as written, so opening the result fails as it would on Windows.
std::string resolve_path(const char* windows_path);
// std::fopen of the resolved path; mode is a C mode for reading ("r", "rb").
std::FILE* open_file_for_reading(const char* windows_path, const char* mode = "rb");
#endif

}  // namespace platform
