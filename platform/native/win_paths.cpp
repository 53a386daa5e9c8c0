#include "platform/native/win_paths.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> split_parts(std::string_view path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  parts.push_back(std::move(part));
  return parts;
}

// Windows ignores trailing dots and blanks of a name ("file.wav." is "file.wav").
std::string trim_name(std::string name) {
  if (name == "." || name == "..") return name;
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  return name;
}

std::string current_folder() {
  std::vector<char> buffer(256);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (buffer.size() > (1u << 20)) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

bool exists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

// The entry of folder whose name equals name ignoring case; name itself when there is none.
std::string match_in_folder(const std::string& folder, const std::string& name) {
  if (exists(folder + "/" + name)) return name;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.empty() ? "/" : folder.c_str()), closedir);
  if (!dir) return name;
  std::string best;
  while (const dirent* entry = readdir(dir.get())) {
    if (strcasecmp(entry->d_name, name.c_str()) == 0 && (best.empty() || entry->d_name < best)) {
      best = entry->d_name;
    }
  }
  return best.empty() ? name : best;
}

}  // namespace

namespace platform {

std::string resolve_path(const char* windows_path) {
  if (windows_path == nullptr || *windows_path == '\0') return "";
  std::string_view path(windows_path);
  if (path.size() >= 2 && path[1] == ':') path.remove_prefix(2);
  const bool rooted = !path.empty() && (path[0] == '\\' || path[0] == '/');

  std::vector<std::string> parts;
  if (!rooted) parts = split_parts(current_folder());
  for (std::string& part : split_parts(path)) {
    part = trim_name(std::move(part));
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(std::move(part));
  }

  std::string resolved;
  for (const std::string& part : parts) {
    if (!part.empty()) resolved += "/" + part;
  }
  // The path as written usually exists; look for other spellings only when it does not.
  if (resolved.empty() || exists(resolved)) return resolved.empty() ? "/" : resolved;
  resolved.clear();
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    resolved += "/" + match_in_folder(resolved, part);
  }
  return resolved.empty() ? "/" : resolved;
}

std::FILE* open_file_for_reading(const char* windows_path, const char* mode) {
  const std::string path = resolve_path(windows_path);
  if (path.empty()) return nullptr;
  return std::fopen(path.c_str(), mode);
}

}  // namespace platform
