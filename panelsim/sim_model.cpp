#include "panelsim/sim_model.h"

#include <algorithm>

#include "host/tokens.h"
#include "panelsim/text_util.h"

namespace panelsim {
namespace tk = host::token;
namespace ke = host::key_event;

namespace {

// Variables the gauges read as integers (flag words, packed decimal, positions).
constexpr std::int32_t kIntegerTokens[] = {
    tk::kAttitudeOffFlag, tk::kInstrumentPowerFlag, tk::kAdfFrequency,   tk::kAdfFrequencyExtension,
    tk::kCom1Frequency,   tk::kNav1Frequency,       tk::kNav2Frequency,  tk::kTransponderCode,
    tk::kNav1ToFrom,      tk::kNav1FlagWord,        tk::kNav2FlagWord,   tk::kDmeCoverFlag,
    tk::kFuelLevelTank1,  tk::kFuelLevelTank2,      tk::kFuelLevelTank3, tk::kFuelLevelTank4,
    tk::kFuelLevelTank5,  tk::kFuelLevelTank6,      tk::kFuelLevelTank7, tk::kSpeedBrakePosition,
    tk::kFlapsHandle,     tk::kFlapsPosition,       tk::kGearHandle,     tk::kGearCentre,
    tk::kGearLeft,        tk::kGearRight,           tk::kUnitSystem,
};

struct EventName {
  std::uint32_t event;
  const char* name;
};
constexpr EventName kEventNames[] = {
    {ke::kPanelWindowToggle, "PANEL_WINDOW_TOGGLE"},
    {ke::kPanelWindowOpen, "PANEL_WINDOW_OPEN"},
    {ke::kPanelWindowClose, "PANEL_WINDOW_CLOSE"},
    {ke::kViewStepPositive, "VIEW_STEP_POSITIVE"},
    {ke::kViewStepNegative, "VIEW_STEP_NEGATIVE"},
    {ke::kViewReset, "VIEW_RESET"},
    {ke::kKneeboard, "KNEEBOARD"},
    {ke::kAtcWindow, "ATC_WINDOW"},
    {ke::kMap, "MAP"},
    {ke::kPanelLightsToggle, "PANEL_LIGHTS_TOGGLE"},
    {ke::kLandingLightsToggle, "LANDING_LIGHTS_TOGGLE"},
    {ke::kPitotHeatToggle, "PITOT_HEAT_TOGGLE"},
    {ke::kBeaconLightsToggle, "BEACON_LIGHTS_TOGGLE"},
    {ke::kBatteryMasterToggle, "BATTERY_MASTER_TOGGLE"},
    {ke::kAvionicsMasterToggle, "AVIONICS_MASTER_TOGGLE"},
    {ke::kNavigationLightsToggle, "NAV_LIGHTS_TOGGLE"},
    {ke::kGeneratorToggleA, "GENERATOR_TOGGLE"},
    {ke::kGearToggle, "GEAR_TOGGLE"},
    {ke::kPressureSettingUp, "KOHLSMAN_INC"},
    {ke::kPressureSettingDown, "KOHLSMAN_DEC"},
    {ke::kAttitudeBarUp, "ATTITUDE_BARS_POSITION_UP"},
    {ke::kAttitudeBarDown, "ATTITUDE_BARS_POSITION_DOWN"},
};

}  // namespace

SimModel::SimModel(Trace& trace) : trace_(trace) {
  // Panel windows.
  effects_[ke::kPanelWindowToggle] = [this](std::uint32_t p, const std::string& by) {
    toggle_window(static_cast<int>(p), by);
  };
  effects_[ke::kPanelWindowOpen] = [this](std::uint32_t p, const std::string& by) {
    show_window(static_cast<int>(p), true, by);
  };
  effects_[ke::kPanelWindowClose] = [this](std::uint32_t p, const std::string& by) {
    show_window(static_cast<int>(p), false, by);
  };
  // The main view: one step either way, or back to the start.
  auto move_view = [this](int position) {
    view_position_ = position;
    trace_.record({{"event", "view"}, {"position", view_position_}});
  };
  effects_[ke::kViewStepPositive] = [=, this](std::uint32_t, const std::string&) {
    move_view(view_position_ + 1);
  };
  effects_[ke::kViewStepNegative] = [=, this](std::uint32_t, const std::string&) {
    move_view(view_position_ - 1);
  };
  effects_[ke::kViewReset] = [=](std::uint32_t, const std::string&) { move_view(0); };
  // Switches that flip one variable.
  add_toggle(ke::kPanelLightsToggle, tk::kPanelLights);
  add_toggle(ke::kLandingLightsToggle, tk::kLandingLights);
  add_toggle(ke::kPitotHeatToggle, tk::kPitotHeat);
  add_toggle(ke::kBeaconLightsToggle, tk::kBeaconLights);
  add_toggle(ke::kBatteryMasterToggle, tk::kBatteryMaster);
  add_toggle(ke::kAvionicsMasterToggle, tk::kAvionicsMaster);
  add_toggle(ke::kNavigationLightsToggle, tk::kNavigationLights);
  add_toggle(ke::kGeneratorToggleA, tk::kGeneratorSwitch);
  effects_[ke::kGearToggle] = [this](std::uint32_t, const std::string&) {
    set_token(tk::kGearHandle, token(tk::kGearHandle).integer() > 0 ? 0 : 16383);
  };
  // Knobs that step a setting within the simulator's range.
  auto add_step = [this](std::uint32_t event, std::int32_t t, double step, double low,
                         double high) {
    effects_[event] = [this, t, step, low, high](std::uint32_t, const std::string&) {
      set_token(t, std::clamp(token_number(t) + step, low, high));
    };
  };
  add_step(ke::kPressureSettingUp, tk::kPressureSetting, 0.01, 28.0, 32.0);
  add_step(ke::kPressureSettingDown, tk::kPressureSetting, -0.01, 28.0, 32.0);
  add_step(ke::kAttitudeBarUp, tk::kAttitudeBar, 5.0, -100.0, 100.0);
  add_step(ke::kAttitudeBarDown, tk::kAttitudeBar, -5.0, -100.0, 100.0);
  // A flight starts at noon, at standard pressure, in an aircraft with a call sign.
  set_token(tk::kTimeOfDay, 12 * 3600.0);
  set_token(tk::kPressureSetting, 29.92);
  set_string_var("ATC ID", "F-KRVN");
  // The aircraft stands on the deck, off the catapult.
  set_catapult_zone(0);
}

namespace {
constexpr double kFeetPerSecondPerKnot = 1.68781;
constexpr const char* kCatapultZoneName = "in_catapult_zone";
}  // namespace

void SimModel::set_aircraft_speed(double feet_per_second, const std::string& by) {
  nlohmann::json line = {{"event", "aircraft"}, {"speed", feet_per_second}};
  if (!by.empty()) line["by"] = by;
  if (hold_word_ != 0 && by == "offset server") {
    line["refused"] = "held";
    trace_.record(line);
    return;
  }
  aircraft_speed_ = feet_per_second;
  set_token(tk::kIndicatedAirspeed, feet_per_second / kFeetPerSecondPerKnot);
  line["airspeed"] = token_number(tk::kIndicatedAirspeed);
  line["acceleration"] = aircraft_acceleration_;
  trace_.record(line);
}

void SimModel::set_hold_word(std::uint16_t word, const std::string& by) {
  if (word == hold_word_) return;
  hold_word_ = word;
  nlohmann::json line = {{"event", "aircraft"}, {"hold", word}};
  if (!by.empty()) line["by"] = by;
  trace_.record(line);
}

void SimModel::set_catapult_zone(std::optional<std::uint8_t> zone) {
  if (zone) {
    vars_.publish(kCatapultZoneName, {*zone});
  } else {
    vars_.unpublish(kCatapultZoneName);
  }
}

std::string SimModel::string_var(const std::string& name) const {
  auto it = strings_.find(to_lower(name));
  return it == strings_.end() ? "" : it->second;
}

void SimModel::set_string_var(const std::string& name, const std::string& value) {
  strings_[to_lower(name)] = value;
}

std::optional<double> SimModel::number_var(const std::string& name) const {
  // Simulator values by name: the few the modules ask for, mapped to their tokens.
  struct Named {
    const char* name;
    std::int32_t token;
  };
  static constexpr Named kNamed[] = {{"AIRSPEED INDICATED", tk::kIndicatedAirspeed},
                                     {"INDICATED ALTITUDE", tk::kAltitude},
                                     {"PLANE HEADING DEGREES GYRO", tk::kHeading}};
  for (const auto& n : kNamed) {
    if (iequals(name, n.name)) return token_number(n.token);
  }
  return std::nullopt;
}

bool SimModel::is_integer_token(std::int32_t token) {
  for (auto t : kIntegerTokens) {
    if (t == token) return true;
  }
  return false;
}

host::HostValue SimModel::token(std::int32_t token) const {
  auto it = tokens_.find(token);
  return it == tokens_.end() ? host::HostValue{} : it->second;
}

double SimModel::token_number(std::int32_t t) const {
  host::HostValue v = token(t);
  return is_integer_token(t) ? static_cast<double>(v.integer()) : v.number();
}

void SimModel::set_token(std::int32_t t, double value) {
  host::HostValue v;
  if (is_integer_token(t)) {
    v.set_integer(static_cast<std::int32_t>(value));
  } else {
    v.set_number(value);
  }
  tokens_[t] = v;
}

std::string SimModel::key_event_name(std::uint32_t event) {
  for (const auto& n : kEventNames) {
    if (n.event == event) return n.name;
  }
  return "";
}

void SimModel::key_event(std::uint32_t event, std::uint32_t parameter, const std::string& by) {
  nlohmann::json line = {{"event", "key"}, {"id", hex(event)}, {"param", parameter}};
  if (auto name = key_event_name(event); !name.empty()) line["name"] = name;
  if (!by.empty()) line["by"] = by;
  trace_.record(line);
  if (auto it = effects_.find(event); it != effects_.end()) it->second(parameter, by);
}

void SimModel::add_window(int ident, const std::string& title, bool visible) {
  windows_[ident] = {title, visible};
}

bool SimModel::window_shown(int ident) const {
  auto it = windows_.find(ident);
  return it != windows_.end() && it->second.shown;
}

void SimModel::show_window(int ident, bool shown, const std::string& by) {
  auto it = windows_.find(ident);
  nlohmann::json line = {{"event", "window"}, {"ident", ident}, {"shown", shown}};
  if (!by.empty()) line["by"] = by;
  if (it == windows_.end()) {
    line["unknown"] = true;  // the panel has no such window: nothing changes
    trace_.record(line);
    return;
  }
  it->second.shown = shown;
  line["title"] = it->second.title;
  trace_.record(line);
}

void SimModel::toggle_window(int ident, const std::string& by) {
  show_window(ident, !window_shown(ident), by);
}

void SimModel::toggle_token(std::int32_t t) {
  set_token(t, token_number(t) != 0.0 ? 0.0 : 1.0);
}

void SimModel::add_toggle(std::uint32_t event, std::int32_t t) {
  effects_[event] = [this, t](std::uint32_t, const std::string&) { toggle_token(t); };
}

void SimModel::advance(double dt) {
  ++frame_;
  seconds_ += dt;
  for (auto t : {tk::kClock, tk::kTimeOfDay, tk::kRunningClock}) {
    set_token(t, token_number(t) + dt);
  }
  trace_.set_clock(frame_, seconds_);
}

}  // namespace panelsim
