#include "tests/module_a/loaded_module.h"

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

namespace korvan_test {

#if defined(_WIN32)

LoadedModule::LoadedModule(const std::string& path)
    : library_(reinterpret_cast<void*>(LoadLibraryA(path.c_str()))) {}

LoadedModule::~LoadedModule() {
  if (library_ != nullptr) FreeLibrary(static_cast<HMODULE>(library_));
}

void* LoadedModule::symbol(const char* name) const {
  if (library_ == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library_), name));
}

HMODULE LoadedModule::handle() const {
  return static_cast<HMODULE>(library_);
}

#else

LoadedModule::LoadedModule(const std::string& path)
    : library_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

LoadedModule::~LoadedModule() {
  if (library_ != nullptr) dlclose(library_);
}

void* LoadedModule::symbol(const char* name) const {
  return library_ != nullptr ? dlsym(library_, name) : nullptr;
}

HMODULE LoadedModule::handle() const {
  void* any = symbol("Linkage");
  return any != nullptr ? platform::module_handle_of(any) : nullptr;
}

#endif

}  // namespace korvan_test
