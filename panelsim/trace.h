#pragma once
// Everything that happens in a run, as JSON lines: key events, named-variable writes, windows,
// clicks, service codes, sounds and element states. Kept in memory for expectations and the
// timeline, and streamed to a file when one is given.

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace panelsim {

class Trace {
 public:
  void open_file(const std::string& path);  // throws LoadError when it cannot be written
  void set_clock(long frame, double seconds) {
    frame_ = frame;
    seconds_ = seconds;
  }
  // Adds frame and time to the event and keeps it.
  void record(nlohmann::json event);
  const std::vector<nlohmann::json>& events() const { return events_; }
  long frame() const { return frame_; }
  double seconds() const { return seconds_; }

 private:
  long frame_ = 0;
  double seconds_ = 0.0;
  std::vector<nlohmann::json> events_;
  std::ofstream file_;
};

// One readable line per event, for the demo's timeline.
std::string describe_event(const nlohmann::json& event);

}  // namespace panelsim
