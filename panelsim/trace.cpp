#include "panelsim/trace.h"

#include <cstdio>

#include "panelsim/errors.h"

namespace panelsim {

void Trace::open_file(const std::string& path) {
  file_.open(path, std::ios::binary | std::ios::trunc);
  if (!file_) throw LoadError(path + ": cannot write the trace");
}

void Trace::record(nlohmann::json event) {
  nlohmann::json line = {{"frame", frame_}, {"t", seconds_}};
  line.update(event);
  if (file_.is_open()) file_ << line.dump() << '\n';
  events_.push_back(std::move(line));
}

std::string describe_event(const nlohmann::json& e) {
  char head[48];
  std::snprintf(head, sizeof head, "frame %5ld %8.3fs  ", e.value("frame", 0L), e.value("t", 0.0));
  std::string what = e.value("event", "");
  std::string by = e.contains("by") ? " (" + e["by"].get<std::string>() + ")" : "";
  std::string text;
  if (what == "key") {
    text = "key event " + e.value("name", e.value("id", "")) + " " + e.value("id", "") +
           " parameter " + std::to_string(e.value("param", 0LL)) + by;
  } else if (what == "window") {
    text = "window " + std::to_string(e.value("ident", 0)) + " \"" + e.value("title", "") + "\" " +
           (e.value("shown", false) ? "shown" : "hidden");
  } else if (what == "view") {
    text = "main view moves to position " + std::to_string(e.value("position", 0));
  } else if (what == "click") {
    text = "click " + e.value("button", "left") + " on " + e.value("instance", "") + " at (" +
           std::to_string(e.value("x", 0)) + "," + std::to_string(e.value("y", 0)) + ")" +
           (e.value("hot_spot", -1) < 0 ? " - no hot spot there" : "");
  } else if (what == "var") {
    text = "variable " + e.value("name", "") + " = " + e["value"].dump() + by;
  } else if (what == "sound") {
    char at[32];
    std::snprintf(at, sizeof at, "%.3f", e.value("at", 0.0));
    std::string action = e.value("action", "");
    if (action == "start") action = e.value("looped", false) ? "starts looping" : "starts once";
    if (action == "stop") action = "stops";
    if (action == "end") action = "ends";
    if (action == "lost") action = "is lost";
    text = "sound " + e.value("file", "") + " " + action + " at byte " +
           std::to_string(e.value("position", 0L)) + " (" + at + "s)";
  } else if (what == "aircraft") {
    char line[160];
    if (e.contains("hold")) {
      std::snprintf(line, sizeof line, "aircraft hold word %d", e.value("hold", 0));
    } else if (e.contains("refused")) {
      std::snprintf(line, sizeof line, "aircraft held: speed %.2f ft/s refused",
                    e.value("speed", 0.0));
    } else {
      std::snprintf(line, sizeof line,
                    "aircraft speed %7.2f ft/s (%6.2f kt), acceleration %.2f ft/s2",
                    e.value("speed", 0.0), e.value("airspeed", 0.0), e.value("acceleration", 0.0));
    }
    text = line + by;
  } else if (what == "install" || what == "service" || what == "kill") {
    text = what + " " + e.value("instance", "") +
           (e.contains("code") ? " code " + e["code"].dump() : "");
  } else if (what == "element") {
    text = e.value("instance", "") + " " + e.value("path", "") + " " + e.value("property", "") +
           " = " + e["value"].dump();
  } else if (what == "expect_failed") {
    text = "EXPECTATION FAILED at line " + std::to_string(e.value("line", 0)) + ": expected " +
           e.value("expected", "") + ", found " + e.value("actual", "");
  } else if (what == "note") {
    text = "-- " + e.value("text", "");
  } else {
    text = e.dump();
  }
  return head + text;
}

}  // namespace panelsim
