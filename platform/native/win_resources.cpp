#include "platform/native/win_resources.h"

#include <dlfcn.h>
#include <strings.h>

#include <cstring>
#include <map>
#include <span>

namespace {

std::map<HMODULE, std::span<const NativeResource>>& registry() {
  static std::map<HMODULE, std::span<const NativeResource>> tables;
  return tables;
}

bool is_number(LPCSTR name) {
  return reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF;
}

bool same_type(const char* a, LPCSTR b) {
  if (is_number(a) || is_number(b)) return a == b;
  return strcasecmp(a, b) == 0;
}

}  // namespace

namespace platform {

HMODULE module_handle_of(const void* address_in_module) {
  Dl_info info{};
  if (dladdr(address_in_module, &info) == 0) return nullptr;
  return info.dli_fbase;
}

void register_module_resources(const void* address_in_module, const NativeResource* table,
                               std::size_t count) {
  if (HMODULE handle = module_handle_of(address_in_module)) {
    registry()[handle] = std::span<const NativeResource>(table, count);
  }
}

void unregister_module_resources(const void* address_in_module) {
  if (HMODULE handle = module_handle_of(address_in_module)) registry().erase(handle);
}

}  // namespace platform

extern "C" {

// Only numeric names are supported: the modules name every resource by id.
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
  auto it = registry().find(module);
  if (it == registry().end() || !is_number(name)) return nullptr;
  auto id = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(name));
  for (const NativeResource& r : it->second) {
    if (r.id == id && same_type(r.type, type)) return &r;
  }
  return nullptr;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
  return resource ? const_cast<unsigned char*>(resource->data) : nullptr;
}

LPVOID LockResource(HGLOBAL data) {
  return data;
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
  return resource ? static_cast<DWORD>(resource->size) : 0;
}

BOOL FreeResource(HGLOBAL) {
  return FALSE;
}

}  // extern "C"
