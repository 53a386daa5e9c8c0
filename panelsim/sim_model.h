#pragma once
// The simulated aircraft as the gauges see it: a value for every simulator variable they read,
// an effect for every key event they send, the panel windows, the main view, failures, named
// variables and the clock. Time advances in frames (18 per second by default).

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "host/gauge_records.h"
#include "panelsim/named_vars.h"
#include "panelsim/trace.h"

namespace panelsim {

class SimModel {
 public:
  explicit SimModel(Trace& trace);

  // Simulator variables. Integer tokens keep an integer in the low 32 bits of the value.
  static bool is_integer_token(std::int32_t token);
  host::HostValue token(std::int32_t token) const;
  double token_number(std::int32_t token) const;  // either form, as a number
  void set_token(std::int32_t token, double value);

  // Key events: applied at once and recorded with the instance that sent them.
  void key_event(std::uint32_t event, std::uint32_t parameter, const std::string& by);
  static std::string key_event_name(std::uint32_t event);

  // Panel windows by ident, and the main view position.
  void add_window(int ident, const std::string& title, bool visible);
  bool has_window(int ident) const { return windows_.count(ident) != 0; }
  bool window_shown(int ident) const;
  void show_window(int ident, bool shown, const std::string& by);
  void toggle_window(int ident, const std::string& by);
  int view_position() const { return view_position_; }

  // Failures by host failure key.
  void set_failure(int key, bool active) {
    if (active) {
      failures_.insert(key);
    } else {
      failures_.erase(key);
    }
  }
  bool failure_active(int key) const { return failures_.count(key) != 0; }

  // Simulator values known by name, as calculator expressions ask for them.
  std::string string_var(const std::string& name) const;
  std::optional<double> number_var(const std::string& name) const;
  void set_string_var(const std::string& name, const std::string& value);

  // The aircraft on the deck, as the offset server shows it to the catapult: its speed in ft/s
  // (indicated airspeed, token 61, follows it in knots), its acceleration in ft/s² and the hold
  // word. While the hold word is not 0 the aircraft is held: speeds written through the server
  // are refused. Changes are recorded in the trace as "aircraft" events.
  double aircraft_speed() const { return aircraft_speed_; }
  double aircraft_acceleration() const { return aircraft_acceleration_; }
  std::uint16_t hold_word() const { return hold_word_; }
  void set_aircraft_speed(double feet_per_second, const std::string& by);
  void set_aircraft_acceleration(double feet_per_second_squared) {
    aircraft_acceleration_ = feet_per_second_squared;
  }
  void set_hold_word(std::uint16_t word, const std::string& by);
  // "in_catapult_zone", the byte that tells whether the aircraft stands on a catapult: published
  // with a value (0 from the start), or taken away with none.
  void set_catapult_zone(std::optional<std::uint8_t> zone);

  NamedVars& vars() { return vars_; }
  Trace& trace() { return trace_; }

  // Clock.
  void advance(double seconds);  // one frame; the clock tokens follow
  long frame() const { return frame_; }
  double seconds() const { return seconds_; }

 private:
  void toggle_token(std::int32_t token);
  void add_toggle(std::uint32_t event, std::int32_t token);

  Trace& trace_;
  NamedVars vars_;
  std::map<std::int32_t, host::HostValue> tokens_;
  std::map<std::uint32_t, std::function<void(std::uint32_t, const std::string&)>> effects_;
  struct Window {
    std::string title;
    bool shown = false;
  };
  std::map<int, Window> windows_;
  int view_position_ = 0;
  std::set<int> failures_;
  std::map<std::string, std::string> strings_;  // lower-case name → text
  long frame_ = 0;
  double seconds_ = 0.0;
  double aircraft_speed_ = 0.0;
  double aircraft_acceleration_ = 0.0;
  std::uint16_t hold_word_ = 0;
};

}  // namespace panelsim
