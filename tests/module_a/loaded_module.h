#pragma once
// A gauge module loaded the way a host loads it: LoadLibraryA on Windows, dlopen elsewhere.
#include <string>

#include "platform/windows_api.h"

namespace korvan_test {

class LoadedModule {
 public:
  explicit LoadedModule(const std::string& path);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  bool loaded() const { return library_ != nullptr; }
  void* symbol(const char* name) const;
  // The handle the host passes at install and finds the module's resources with.
  HMODULE handle() const;

 private:
  void* library_ = nullptr;
};

}  // namespace korvan_test
