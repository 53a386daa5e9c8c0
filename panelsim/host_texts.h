#pragma once
// The texts the host owns for help ids and tool-tip ids.
#include <cstdint>
#include <string>

namespace panelsim {
std::string help_text(std::int32_t help_id);  // "" for 0
std::string tooltip_id_text(std::int32_t tooltip_id);
}  // namespace panelsim
