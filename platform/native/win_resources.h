#pragma once
// Module resources for the native build. A module registers its table from a static
// constructor; a module handle is the load address of the module's file.
#include <cstddef>
#include <cstdint>

#include "platform/native/win_types.h"

// Resource names and types are numbers passed in a pointer, as on Windows.
#define MAKEINTRESOURCEA(i) \
  (reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define RT_BITMAP MAKEINTRESOURCEA(2)

struct NativeResource {
  std::uint32_t id;
  const char* type;  // "WAVE", or a MAKEINTRESOURCEA number such as RT_BITMAP
  const unsigned char* data;
  std::size_t size;
};

extern "C" {
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);
BOOL FreeResource(HGLOBAL data);
}

namespace platform {
// Called by a module's static constructor; address is any address inside the module.
void register_module_resources(const void* address_in_module, const NativeResource* table,
                               std::size_t count);
// Called by a module's static destructor, so an unloaded module leaves no table behind.
void unregister_module_resources(const void* address_in_module);
// The handle of the module that holds address, as the host passes it at install.
HMODULE module_handle_of(const void* address_in_module);
}  // namespace platform
