#include "platform/native/win_system.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "platform/native/sim_clock.h"

namespace {

std::vector<platform::SleepRecord>& sleeps() {
  static std::vector<platform::SleepRecord> records;
  return records;
}

struct GlobalBlock {
  std::unique_ptr<std::byte[]> bytes;
  SIZE_T size = 0;
  bool moveable = false;
  unsigned locks = 0;
};

// Blocks by handle.
std::map<HGLOBAL, GlobalBlock>& global_blocks() {
  static std::map<HGLOBAL, GlobalBlock> blocks;
  return blocks;
}

std::string program_path() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  path.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return path;
}

std::string module_path(HMODULE module) {
  Dl_info info{};
  if (dladdr(module, &info) == 0 || info.dli_fname == nullptr || info.dli_fbase != module) {
    return {};
  }
  return info.dli_fname;
}

}  // namespace

namespace platform {
std::vector<SleepRecord> drain_sleeps() {
  return std::exchange(sleeps(), {});
}
}  // namespace platform

extern "C" {

void Sleep(DWORD milliseconds) {
  sleeps().push_back({.time = platform::sim_time(), .milliseconds = milliseconds});
}

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  GlobalBlock block{.bytes = std::unique_ptr<std::byte[]>(
                        new (std::nothrow) std::byte[std::max<SIZE_T>(bytes, 1)]()),
                    .size = bytes,
                    .moveable = (flags & GMEM_MOVEABLE) != 0};
  if (!block.bytes) return nullptr;
  // A fixed block is its own handle; a moveable one gets its address plus one, which is odd and
  // so never equals the aligned address of another block.
  HGLOBAL handle = block.bytes.get();
  if (block.moveable) handle = static_cast<std::byte*>(handle) + 1;
  global_blocks()[handle] = std::move(block);
  return handle;
}

LPVOID GlobalLock(HGLOBAL handle) {
  auto it = global_blocks().find(handle);
  if (it == global_blocks().end()) return nullptr;
  if (it->second.moveable) ++it->second.locks;
  return it->second.bytes.get();
}

BOOL GlobalUnlock(HGLOBAL handle) {
  auto it = global_blocks().find(handle);
  if (it == global_blocks().end() || it->second.locks == 0) return FALSE;
  return --it->second.locks != 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
  return global_blocks().erase(handle) == 1 ? nullptr : handle;
}

SIZE_T GlobalSize(HGLOBAL handle) {
  auto it = global_blocks().find(handle);
  return it == global_blocks().end() ? 0 : it->second.size;
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR name, DWORD size) {
  if (name == nullptr || size == 0) return 0;
  const std::string path = module ? module_path(module) : program_path();
  if (path.empty()) {
    name[0] = '\0';
    return 0;
  }
  // As on the 2004 system: a name cut to fit is not terminated, and the answer is the size.
  const DWORD copied = static_cast<DWORD>(std::min<std::size_t>(path.size(), size));
  std::memcpy(name, path.data(), copied);
  if (copied < size) name[copied] = '\0';
  return copied;
}

}  // extern "C"
