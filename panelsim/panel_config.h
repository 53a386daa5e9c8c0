#pragma once
// The simulator's panel configuration (panel.cfg): windows and the gauges placed in them.

#include <optional>
#include <string>
#include <vector>

namespace panelsim {

struct GaugePlacement {
  std::string key;     // "gauge03"
  std::string module;  // as written before '!'
  std::string gauge;   // as written after '!'
  int x = 0, y = 0;
  std::optional<int> width, height;
  std::optional<std::string> parameters;  // everything after the fifth field
  int line = 0;
};

struct PanelWindow {
  std::string section;  // "Window00"
  int number = 0;       // 0 for Window00
  std::string title;    // from [Window Titles]
  std::string file;
  std::optional<int> size_mm;
  std::optional<std::pair<int, int>> position;
  bool visible = true;
  int ident = 0;
  std::vector<GaugePlacement> gauges;
};

struct PanelConfig {
  std::string path;
  std::vector<PanelWindow> windows;
};

// The panel window idents the simulator knows by name.
std::optional<int> ident_by_name(const std::string& name);

// Reads panel.cfg text; errors (InputError) name the file, line and text at fault.
PanelConfig parse_panel_config(const std::string& text, const std::string& path);
PanelConfig read_panel_config(const std::string& path);

}  // namespace panelsim
