#include "panelsim/scenario.h"

#include <cmath>
#include <ostream>
#include <sstream>

#include "host/panel_services.h"
#include "panelsim/errors.h"
#include "panelsim/panel.h"
#include "panelsim/panel_config.h"
#include "panelsim/text_util.h"

namespace panelsim {

std::vector<ScenarioLine> parse_scenario(const std::string& text, const std::string& file) {
  std::vector<ScenarioLine> lines;
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    ScenarioLine line{number, {}, trim(raw)};
    std::string word;
    bool in_word = false, quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
      char c = raw[i];
      if (quoted) {
        if (c == '"') {
          quoted = false;
        } else if (c == '\\' && i + 1 < raw.size() && (raw[i + 1] == '"' || raw[i + 1] == '\\')) {
          word += raw[++i];
        } else {
          word += c;
        }
      } else if (c == '"') {
        quoted = in_word = true;
      } else if (c == '#' && !in_word &&
                 !(i + 1 < raw.size() && std::isdigit(static_cast<unsigned char>(raw[i + 1])))) {
        break;  // a comment; "#3" at the start of a word is a hot-spot number
      } else if (std::isspace(static_cast<unsigned char>(c))) {
        if (in_word) line.words.push_back(word);
        word.clear();
        in_word = false;
      } else {
        word += c;
        in_word = true;
      }
    }
    if (quoted) throw InputError(file, number, "unclosed quote: " + line.text);
    if (in_word) line.words.push_back(word);
    if (!line.words.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

namespace {

class Runner {
 public:
  Runner(Panel& panel, const std::string& file, std::ostream& out)
      : panel_(panel), file_(file), out_(out) {}

  ScenarioResult run(const std::vector<ScenarioLine>& lines) {
    for (const auto& line : lines) {
      line_ = &line;
      execute(line.words);
      if (!result_.skipped.empty()) break;
    }
    return result_;
  }

 private:
  [[noreturn]] void bad(const std::string& what) const {
    throw InputError(file_, line_->number, what + ": " + line_->text);
  }
  const std::string& word(const std::vector<std::string>& w, std::size_t i,
                          const char* what) const {
    if (i >= w.size()) bad(std::string("missing ") + what);
    return w[i];
  }
  long long integer(const std::vector<std::string>& w, std::size_t i, const char* what) const {
    auto v = parse_integer(word(w, i, what));
    if (!v) bad(std::string(what) + " is not a whole number (\"" + w[i] + "\")");
    return *v;
  }
  double number(const std::vector<std::string>& w, std::size_t i, const char* what) const {
    auto v = parse_number(word(w, i, what));
    if (!v) bad(std::string(what) + " is not a number (\"" + w[i] + "\")");
    return *v;
  }
  int ident(const std::string& text) const {
    if (auto named = ident_by_name(text)) return *named;
    auto v = parse_integer(text);
    if (!v) bad("window ident is neither a number nor a known name (\"" + text + "\")");
    return static_cast<int>(*v);
  }
  GaugeInstance& instance(const std::string& name) const {
    GaugeInstance* g = panel_.instance(name);
    if (!g) bad("no instance named \"" + name + "\"");
    return *g;
  }
  std::uint32_t button(const std::vector<std::string>& w, std::size_t i) const {
    if (i >= w.size() || w[i] == "left") return host::mouse_event::kLeftClick;
    if (w[i] == "right") return host::mouse_event::kRightClick;
    bad("button must be left or right");
  }

  void check(bool ok, const std::string& expected, const std::string& actual) {
    ++result_.expectations;
    if (ok) return;
    ++result_.failures;
    out_ << file_ << ":" << line_->number << ": expectation failed: " << line_->text << "\n"
         << "  expected: " << expected << "\n  actual:   " << actual << "\n";
    panel_.model().trace().record({{"event", "expect_failed"},
                                   {"line", line_->number},
                                   {"expected", expected},
                                   {"actual", actual}});
  }
  void check_number(double expected, double actual, double tolerance) {
    std::ostringstream e, a;
    e.precision(10);
    a.precision(10);
    e << expected;
    a << actual;
    check(std::fabs(expected - actual) <= tolerance, e.str(), a.str());
  }
  double tolerance(const std::vector<std::string>& w, std::size_t i) const {
    // An optional "~0.01" after the value loosens the comparison.
    if (i < w.size() && w[i].size() > 1 && w[i][0] == '~') {
      auto v = parse_number(w[i].substr(1));
      if (!v) bad("tolerance is not a number");
      return *v;
    }
    return 1e-6;
  }

  void execute(const std::vector<std::string>& w) {
    const std::string& cmd = w[0];
    if (cmd == "panel") {
      panel_.load_config(word(w, 1, "panel path"));
    } else if (cmd == "place") {
      place(w);
    } else if (cmd == "set") {
      set(w);
    } else if (cmd == "frames") {
      panel_.run_frames(static_cast<int>(integer(w, 1, "frame count")));
    } else if (cmd == "pause") {
      panel_.run_frames(static_cast<int>(integer(w, 1, "frame count")), true);
    } else if (cmd == "zone") {
      zone(w);
    } else if (cmd == "offset-server") {
      if (word(w, 1, "remove") != "remove") bad("offset-server takes remove");
      panel_.remove_offset_server();
    } else if (cmd == "click") {
      click(w);
    } else if (cmd == "drag") {
      // The pointer moves with the left button held, to X,Y.
      panel_.click(instance(word(w, 1, "instance")), static_cast<int>(integer(w, 2, "x")),
                   static_cast<int>(integer(w, 3, "y")), host::mouse_event::kLeftDrag);
    } else if (cmd == "service") {
      auto code = static_cast<std::int32_t>(integer(w, 2, "service code"));
      auto extra = w.size() > 3 ? static_cast<std::uint32_t>(integer(w, 3, "extra")) : 0u;
      if (word(w, 1, "instance") == "all") {
        panel_.service_all(code, extra);
      } else {
        panel_.service(instance(w[1]), code, extra);
      }
    } else if (cmd == "kill") {
      panel_.kill(instance(word(w, 1, "instance")));
    } else if (cmd == "install") {
      panel_.install(instance(word(w, 1, "instance")));
    } else if (cmd == "reload") {
      panel_.reload();
    } else if (cmd == "window") {
      window(w);
    } else if (cmd == "needs") {
      needs(w);
    } else if (cmd == "note") {
      panel_.model().trace().record({{"event", "note"}, {"text", trim(line_->text.substr(4))}});
    } else if (cmd == "expect") {
      expect(w);
    } else {
      bad("unknown command \"" + cmd + "\"");
    }
  }

  // A scenario that follows sounds on the simulated clock cannot run where the real sound device
  // plays them: it stops there, and says so.
  void needs(const std::vector<std::string>& w) {
    const std::string& what = word(w, 1, "what the scenario needs");
    if (what != "simulated-sound") bad("needs takes simulated-sound");
    if (!SoundTrace::observes_sounds()) {
      result_.skipped =
          "needs simulated-sound: this build plays through the real sound device, which keeps "
          "real time and reports nothing to panelsim";
      panel_.model().trace().record({{"event", "note"}, {"text", "skipped: " + result_.skipped}});
    }
  }

  void place(const std::vector<std::string>& w) {
    const std::string& name = word(w, 1, "instance name");
    const std::string& gauge_ref = word(w, 2, "Module!Gauge");
    auto bang = gauge_ref.find('!');
    if (bang == std::string::npos) bad("expected Module!Gauge, found \"" + gauge_ref + "\"");
    int window_ident = 0;
    std::optional<std::string> params;
    for (std::size_t i = 3; i < w.size(); i += 2) {
      if (w[i] == "window") {
        window_ident = ident(word(w, i + 1, "window ident"));
      } else if (w[i] == "params") {
        params = word(w, i + 1, "parameter string");
      } else {
        bad("unknown place option \"" + w[i] + "\"");
      }
    }
    if (!panel_.model().has_window(window_ident)) {
      panel_.model().add_window(window_ident, "", true);
    }
    panel_.place(name, gauge_ref.substr(0, bang), gauge_ref.substr(bang + 1), params, window_ident);
  }

  void set(const std::vector<std::string>& w) {
    const std::string& what = word(w, 1, "token, var or failure");
    if (what == "token") {
      panel_.model().set_token(static_cast<std::int32_t>(integer(w, 2, "token")),
                               number(w, 3, "value"));
    } else if (what == "var") {
      panel_.model().vars().set_by_name(word(w, 2, "variable name"), number(w, 3, "value"));
    } else if (what == "failure") {
      panel_.model().set_failure(static_cast<int>(integer(w, 2, "failure key")),
                                 word(w, 3, "on or off") == "on");
    } else if (what == "string") {
      panel_.model().set_string_var(word(w, 2, "name"), word(w, 3, "text"));
    } else if (what == "aircraft") {
      const std::string& field = word(w, 2, "speed, acceleration or hold");
      if (field == "speed") {
        panel_.model().set_aircraft_speed(number(w, 3, "speed"), "scenario");
      } else if (field == "acceleration") {
        panel_.model().set_aircraft_acceleration(number(w, 3, "acceleration"));
      } else if (field == "hold") {
        long long hold = integer(w, 3, "hold word");
        if (hold < 0 || hold > 0xFFFF) bad("hold word must be 0 to 65535");
        panel_.model().set_hold_word(static_cast<std::uint16_t>(hold), "scenario");
      } else {
        bad("set aircraft takes speed, acceleration or hold");
      }
    } else {
      bad("set takes token, var, failure, string or aircraft");
    }
  }

  // "in_catapult_zone": a byte published under the name, or removed.
  void zone(const std::vector<std::string>& w) {
    const std::string& what = word(w, 1, "zone byte or remove");
    if (what == "remove") {
      panel_.model().set_catapult_zone(std::nullopt);
      return;
    }
    long long value = integer(w, 1, "zone byte");
    if (value < 0 || value > 255) bad("zone byte must be 0 to 255");
    panel_.model().set_catapult_zone(static_cast<std::uint8_t>(value));
  }

  void click(const std::vector<std::string>& w) {
    GaugeInstance& g = instance(word(w, 1, "instance"));
    const std::string& where = word(w, 2, "position or #hot spot");
    if (where[0] == '#') {
      auto k = parse_integer(where.substr(1));
      if (!k) bad("hot spot number is not a whole number");
      if (panel_.click_hot_spot(g, static_cast<int>(*k), button(w, 3)) < 0) {
        out_ << file_ << ":" << line_->number << ": note: hot spot " << *k
             << " did not take the click\n";
      }
      return;
    }
    panel_.click(g, static_cast<int>(integer(w, 2, "x")), static_cast<int>(integer(w, 3, "y")),
                 button(w, 4));
  }

  void window(const std::vector<std::string>& w) {
    const std::string& action = word(w, 1, "open, close or toggle");
    int id = ident(word(w, 2, "window ident"));
    if (action == "open") {
      panel_.model().show_window(id, true, "user");
    } else if (action == "close") {
      panel_.model().show_window(id, false, "user");
    } else if (action == "toggle") {
      panel_.model().toggle_window(id, "user");
    } else {
      bad("window takes open, close or toggle");
    }
  }

  std::string keys_since_mark() {
    std::string actual;
    const auto& events = panel_.model().trace().events();
    for (std::size_t i = key_mark_; i < events.size(); ++i) {
      if (events[i].value("event", "") != "key") continue;
      if (!actual.empty()) actual += ' ';
      actual += events[i]["id"].get<std::string>() + ":" +
                std::to_string(events[i]["param"].get<long long>());
    }
    key_mark_ = events.size();
    return actual.empty() ? "none" : actual;
  }

  void expect(const std::vector<std::string>& w) {
    const std::string& what = word(w, 1, "what to expect");
    if (what == "keys") {
      std::string expected;
      for (std::size_t i = 2; i < w.size(); ++i) {
        if (w[i] == "none") continue;
        auto colon = w[i].find(':');
        auto id = parse_integer(w[i].substr(0, colon));
        auto param = colon == std::string::npos ? std::optional<long long>(0)
                                                : parse_integer(w[i].substr(colon + 1));
        if (!id || !param) bad("key event must be EVENT or EVENT:PARAM (\"" + w[i] + "\")");
        if (!expected.empty()) expected += ' ';
        expected += hex(static_cast<std::uint32_t>(*id)) + ":" +
                    std::to_string(static_cast<std::uint32_t>(*param));
      }
      if (expected.empty()) expected = "none";
      std::string actual = keys_since_mark();
      check(expected == actual, expected, actual);
    } else if (what == "element") {
      expect_element(w);
    } else if (what == "tooltip") {
      GaugeInstance& g = instance(word(w, 2, "instance"));
      std::string actual = panel_.tooltip_at(g, static_cast<int>(integer(w, 3, "x")),
                                             static_cast<int>(integer(w, 4, "y")));
      const std::string& expected = word(w, 5, "tool-tip text");
      check(expected == actual, "\"" + expected + "\"", "\"" + actual + "\"");
    } else if (what == "help" || what == "cursor") {
      GaugeInstance& g = instance(word(w, 2, "instance"));
      int x = static_cast<int>(integer(w, 3, "x")), y = static_cast<int>(integer(w, 4, "y"));
      long long expected = integer(w, 5, what == "help" ? "help id" : "cursor");
      long long actual = what == "help" ? panel_.help_at(g, x, y) : panel_.cursor_at(g, x, y);
      check(expected == actual, hex(static_cast<std::uint32_t>(expected)),
            hex(static_cast<std::uint32_t>(actual)));
    } else if (what == "var") {
      auto actual = panel_.model().vars().value(word(w, 2, "variable name"));
      double expected = number(w, 3, "value");
      if (!actual) {
        check(false, std::to_string(expected), "no such variable");
      } else {
        check_number(expected, *actual, tolerance(w, 4));
      }
    } else if (what == "aircraft") {
      const std::string& field = word(w, 2, "speed, acceleration or hold");
      const SimModel& model = panel_.model();
      double actual = 0.0;
      if (field == "speed") {
        actual = model.aircraft_speed();
      } else if (field == "acceleration") {
        actual = model.aircraft_acceleration();
      } else if (field == "hold") {
        actual = model.hold_word();
      } else {
        bad("expect aircraft takes speed, acceleration or hold");
      }
      check_number(number(w, 3, "value"), actual, tolerance(w, 4));
    } else if (what == "token") {
      check_number(number(w, 3, "value"),
                   panel_.model().token_number(static_cast<std::int32_t>(integer(w, 2, "token"))),
                   tolerance(w, 4));
    } else if (what == "window") {
      int id = ident(word(w, 2, "window ident"));
      const std::string& state = word(w, 3, "shown or hidden");
      if (state != "shown" && state != "hidden") bad("window state must be shown or hidden");
      std::string actual = panel_.model().window_shown(id) ? "shown" : "hidden";
      check(state == actual, state, actual);
    } else if (what == "view") {
      long long expected = integer(w, 2, "view position");
      check(expected == panel_.model().view_position(), std::to_string(expected),
            std::to_string(panel_.model().view_position()));
    } else if (what == "sound") {
      // The state of a file's sound: playing (once), looping or stopped.
      const std::string& file = word(w, 2, "sound file");
      const std::string& expected = word(w, 3, "playing, looping or stopped");
      if (expected != "playing" && expected != "looping" && expected != "stopped") {
        bad("sound state must be playing, looping or stopped");
      }
      std::string actual = sound_state_name(panel_.sounds().state(file));
      check(expected == actual, expected, actual);
    } else if (what == "sound-starts") {
      const std::string& file = word(w, 2, "sound file");
      long long expected = integer(w, 3, "number of starts");
      int actual = panel_.sounds().starts(file);
      check(expected == actual, std::to_string(expected), std::to_string(actual));
    } else if (what == "sound-start") {
      const std::string& file = word(w, 2, "sound file");
      long long expected = integer(w, 3, "byte position");
      long actual = panel_.sounds().last_start_position(file);
      check(expected == actual, std::to_string(expected),
            actual < 0 ? "never started" : std::to_string(actual));
    } else if (what == "user-word") {
      GaugeInstance& g = instance(word(w, 2, "instance"));
      long long expected = integer(w, 3, "user word");
      check(expected == g.header().user_word, std::to_string(expected),
            std::to_string(g.header().user_word));
    } else {
      bad("unknown expectation \"" + what + "\"");
    }
  }

  void expect_element(const std::vector<std::string>& w) {
    GaugeInstance& g = instance(word(w, 2, "instance"));
    const std::string& path = word(w, 3, "element path");
    ElementNode* node = g.node(path);
    if (!node) bad("no element at \"" + path + "\"");
    const std::string& prop = word(w, 4, "property");
    const ElementState& s = node->state;
    if (prop == "text") {
      const std::string& expected = word(w, 5, "text");
      check(expected == s.text, "\"" + expected + "\"", "\"" + s.text + "\"");
      return;
    }
    if (prop == "bitmap") {
      // Before the first refresh the record's own bitmap is what the host would draw.
      int actual = s.refreshed ? s.bitmap : node->element->bitmap;
      check_number(static_cast<double>(integer(w, 5, "bitmap")), actual, 0);
    } else if (prop == "state") {
      check_number(static_cast<double>(integer(w, 5, "state")), s.hidden ? -1 : s.state, 0);
    } else if (prop == "angle") {
      check_number(number(w, 5, "angle"), s.angle,
                   tolerance(w, 6) == 1e-6 ? 0.01 : tolerance(w, 6));
    } else if (prop == "value" || prop == "x" || prop == "y" || prop == "rotation") {
      double actual = prop == "value" ? s.value
                      : prop == "x"   ? s.x
                      : prop == "y"   ? s.y
                                      : s.rotation;
      check_number(number(w, 5, "value"), actual, tolerance(w, 6));
    } else if (prop == "flags") {
      auto expected = static_cast<std::uint32_t>(integer(w, 5, "flags"));
      check(expected == node->element->image_flags, hex(expected), hex(node->element->image_flags));
    } else if (prop == "hidden") {
      bool expected = word(w, 5, "true or false") == "true";
      check(expected == s.hidden, expected ? "true" : "false", s.hidden ? "true" : "false");
    } else {
      bad("unknown element property \"" + prop + "\"");
    }
  }

  Panel& panel_;
  std::string file_;
  std::ostream& out_;
  const ScenarioLine* line_ = nullptr;
  ScenarioResult result_;
  std::size_t key_mark_ = 0;
};

}  // namespace

ScenarioResult run_scenario(Panel& panel, const std::vector<ScenarioLine>& lines,
                            const std::string& file, std::ostream& out) {
  return Runner(panel, file, out).run(lines);
}

}  // namespace panelsim
