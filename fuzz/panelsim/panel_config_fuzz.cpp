// Any text as a panel.cfg: it is read, or refused with an error that names the file and line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "panelsim/errors.h"
#include "panelsim/panel_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    panelsim::parse_panel_config(text, "panel.cfg");
  } catch (const panelsim::InputError&) {
    // Refused with its file and line: what bad input must get.
  }
  return 0;
}
