#pragma once
// Errors panelsim reports to its user: each names the file (and line) and the offending text.
#include <stdexcept>
#include <string>

namespace panelsim {

struct LoadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct InputError : std::runtime_error {
  InputError(const std::string& file, int line, const std::string& what)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + what) {}
};

}  // namespace panelsim
