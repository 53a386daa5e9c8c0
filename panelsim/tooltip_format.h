#pragma once
// Tool-tip texts with their arguments, formatted the way the platform's message formatter
// inserts arguments: %1!s!, %1!d!, %1!07.3f!; %% is a percent sign.

#include <string>
#include <variant>
#include <vector>

namespace panelsim {

using TooltipValue = std::variant<double, std::string>;

std::string format_tooltip(const std::string& text, const std::vector<TooltipValue>& args);

}  // namespace panelsim
