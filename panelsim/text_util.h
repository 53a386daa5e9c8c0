#pragma once
// Small text helpers shared by panelsim's parsers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace panelsim {

bool iequals(std::string_view a, std::string_view b);
std::string trim(std::string_view s);
std::string to_lower(std::string_view s);
std::optional<long long> parse_integer(std::string_view s);  // decimal or 0x hex, whole text
std::optional<double> parse_number(std::string_view s);      // whole text
std::string hex(std::uint32_t v);                            // 0x1A2B

}  // namespace panelsim
