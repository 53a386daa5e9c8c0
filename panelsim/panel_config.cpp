#include "panelsim/panel_config.h"

#include <fstream>
#include <map>
#include <sstream>

#include "host/tokens.h"
#include "panelsim/errors.h"
#include "panelsim/text_util.h"

namespace panelsim {
namespace {

struct IdentName {
  const char* name;
  int ident;
};
namespace pw = host::panel_window;
constexpr IdentName kIdentNames[] = {
    {"MAIN_PANEL", pw::kMainPanel},
    {"THROTTLE_PANEL", pw::kThrottle},
    {"RADIO_STACK_PANEL", pw::kRadioStack},
    {"COMPASS_PANEL", pw::kCompass},
    {"MINI_CONTROLS_PANEL", pw::kMiniControls},
    {"ANNUNCIATOR_PANEL", pw::kAnnunciator},
    {"ANNUNCIATOR2_PANEL", pw::kAnnunciator2},
    {"IFR_MAIN_PANEL", pw::kIfrMainPanel},
    {"COLLECTIVE_PANEL", pw::kCollective},
    {"GPS_PANEL", pw::kGps},
    {"OVERHEAD_PANEL", pw::kOverhead},
};

// A window without an ident= line: Window00 is the main panel; the others get an ident of
// their own that no standard name or button parameter reaches by accident.
int default_ident(int number) {
  return number == 0 ? 0 : 10000 + number;
}

std::vector<std::string> split_fields(const std::string& value, std::size_t max_fields,
                                      std::optional<std::string>& rest) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() < max_fields) {
    std::size_t comma = value.find(',', start);
    if (comma == std::string::npos) {
      fields.push_back(trim(value.substr(start)));
      return fields;
    }
    fields.push_back(trim(value.substr(start, comma - start)));
    start = comma + 1;
  }
  rest = trim(value.substr(start));
  return fields;
}

int field_integer(const std::string& file, int line, const std::string& what,
                  const std::string& text) {
  auto v = parse_integer(text);
  if (!v) throw InputError(file, line, what + " is not a whole number: \"" + text + "\"");
  return static_cast<int>(*v);
}

GaugePlacement parse_gauge_line(const std::string& file, int line, const std::string& key,
                                const std::string& value) {
  GaugePlacement g;
  g.key = key;
  g.line = line;
  auto fields = split_fields(value, 5, g.parameters);
  auto bang = fields[0].find('!');
  if (bang == std::string::npos || bang == 0 || bang + 1 == fields[0].size()) {
    throw InputError(file, line, "expected module!gauge, found \"" + fields[0] + "\"");
  }
  g.module = fields[0].substr(0, bang);
  g.gauge = fields[0].substr(bang + 1);
  if (fields.size() < 3)
    throw InputError(file, line, "gauge line needs x and y: \"" + value + "\"");
  g.x = field_integer(file, line, "x", fields[1]);
  g.y = field_integer(file, line, "y", fields[2]);
  if (fields.size() > 3) g.width = field_integer(file, line, "width", fields[3]);
  if (fields.size() > 4) g.height = field_integer(file, line, "height", fields[4]);
  return g;
}

}  // namespace

std::optional<int> ident_by_name(const std::string& name) {
  for (const auto& n : kIdentNames) {
    if (iequals(name, n.name)) return n.ident;
  }
  return std::nullopt;
}

PanelConfig parse_panel_config(const std::string& text, const std::string& path) {
  PanelConfig config;
  config.path = path;
  std::map<std::string, std::string> titles;  // lower-case section name → title
  std::string section;
  PanelWindow* window = nullptr;
  std::istringstream in(text);
  std::string raw;
  int line = 0;
  while (std::getline(in, raw)) {
    ++line;
    std::string s = trim(raw);
    if (s.empty() || s[0] == ';' || s[0] == '#' || s.rfind("//", 0) == 0) continue;
    if (s.front() == '[') {
      if (s.back() != ']') throw InputError(path, line, "unclosed section header \"" + s + "\"");
      section = trim(s.substr(1, s.size() - 2));
      window = nullptr;
      std::string lower = to_lower(section);
      if (lower.rfind("window", 0) == 0 && lower != "window titles") {
        auto number = parse_integer(lower.substr(6));
        if (!number || *number < 0) {
          throw InputError(path, line, "window section needs a number: \"" + section + "\"");
        }
        for (const auto& w : config.windows) {
          if (w.number == *number)
            throw InputError(path, line, "window section repeated: \"" + section + "\"");
        }
        config.windows.push_back({.section = section, .number = static_cast<int>(*number)});
        config.windows.back().ident = default_ident(config.windows.back().number);
        window = &config.windows.back();
      }
      continue;
    }
    auto eq = s.find('=');
    if (eq == std::string::npos) throw InputError(path, line, "expected key=value: \"" + s + "\"");
    std::string key = to_lower(trim(s.substr(0, eq)));
    std::string value = trim(s.substr(eq + 1));
    if (iequals(section, "Window Titles")) {
      titles[key] = value;
      continue;
    }
    if (!window) continue;  // sections panelsim does not model ([Views], [Default View], ...)
    if (key.rfind("gauge", 0) == 0) {
      window->gauges.push_back(parse_gauge_line(path, line, key, value));
    } else if (key == "file") {
      window->file = value;
    } else if (key == "size_mm") {
      window->size_mm =
          field_integer(path, line, "size_mm", trim(value.substr(0, value.find(','))));
    } else if (key == "position") {
      window->position = {field_integer(path, line, "position", value), 0};
    } else if (key == "visible") {
      window->visible = field_integer(path, line, "visible", value) != 0;
    } else if (key == "ident") {
      if (auto named = ident_by_name(value)) {
        window->ident = *named;
      } else if (auto number = parse_integer(value)) {
        window->ident = static_cast<int>(*number);
      } else {
        throw InputError(path, line,
                         "ident is neither a number nor a known name: \"" + value + "\"");
      }
    }
  }
  for (auto& w : config.windows) {
    if (auto it = titles.find(to_lower(w.section)); it != titles.end()) w.title = it->second;
  }
  return config;
}

PanelConfig read_panel_config(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw LoadError(path + ": cannot open the panel configuration");
  std::stringstream buffer;
  buffer << in.rdbuf();
  return parse_panel_config(buffer.str(), path);
}

}  // namespace panelsim
