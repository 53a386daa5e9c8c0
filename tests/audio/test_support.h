#pragma once
// What the audio tests share on both builds: a folder of fixture files and the passing of
// time (the simulated clock natively, real time under Windows).
#include <functional>
#include <string>
#include <string_view>

namespace audio_test {

// A fresh folder under the current folder; files are named with Windows separators.
class FixtureFolder {
 public:
  explicit FixtureFolder(std::string_view name);
  ~FixtureFolder();
  FixtureFolder(const FixtureFolder&) = delete;
  FixtureFolder& operator=(const FixtureFolder&) = delete;

  // Writes the bytes (file_name may name a subfolder, with either separator) and answers the
  // file's path, relative to the current folder.
  std::string write(std::string_view file_name, std::string_view bytes) const;
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// Lets the given time pass for the sound device.
void let_time_pass(double seconds);
// Lets time pass until done() holds or limit_seconds have gone by; answers done().
bool wait_until(const std::function<bool()>& done, double limit_seconds);

// True where the platform is our own stand-in, which tests can drive into failures.
constexpr bool kNativePlatform =
#if defined(_WIN32)
    false;
#else
    true;
#endif

}  // namespace audio_test
