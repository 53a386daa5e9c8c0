#include "tests/audio/test_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/windows_api.h"
#if !defined(_WIN32)
#include "platform/native/sim_clock.h"
#endif

namespace audio_test {

FixtureFolder::FixtureFolder(std::string_view name) : name_(name) {
  std::filesystem::remove_all(name_);
  std::filesystem::create_directories(name_);
}

FixtureFolder::~FixtureFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(name_, ignored);
}

std::string FixtureFolder::write(std::string_view file_name, std::string_view bytes) const {
  std::string host_name(file_name);
  std::replace(host_name.begin(), host_name.end(), '\\', '/');
  std::ofstream(std::filesystem::path(name_) / host_name, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return name_ + "\\" + std::string(file_name);
}

void let_time_pass(double seconds) {
#if defined(_WIN32)
  Sleep(static_cast<DWORD>(seconds * 1000));
#else
  platform::set_sim_time(platform::sim_time() + seconds);
#endif
}

bool wait_until(const std::function<bool()>& done, double limit_seconds) {
  constexpr double kStep = 0.01;
  for (double waited = 0; !done() && waited < limit_seconds; waited += kStep) let_time_pass(kStep);
  return done();
}

}  // namespace audio_test
