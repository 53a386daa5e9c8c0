#include "panelsim/calculator.h"

#include <cmath>

#include "panelsim/sim_model.h"
#include "panelsim/text_util.h"

namespace panelsim {
namespace {

std::string last_text;

// "(X:NAME,unit)" → X, NAME, unit
bool split_variable(const std::string& code, char& kind, std::string& name, std::string& unit) {
  std::string s = trim(code);
  if (s.size() < 5 || s.front() != '(' || s.back() != ')' || s[2] != ':') return false;
  kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
  std::string body = s.substr(3, s.size() - 4);
  auto comma = body.find(',');
  name = trim(body.substr(0, comma));
  unit = comma == std::string::npos ? "" : trim(body.substr(comma + 1));
  return true;
}

}  // namespace

bool evaluate_calculator_code(SimModel& model, const std::string& code, double* number,
                              std::int32_t* integer, const char** text) {
  char kind = 0;
  std::string name, unit;
  double value = 0.0;
  if (split_variable(code, kind, name, unit)) {
    if (kind == 'A' && iequals(unit, "string")) {
      last_text = model.string_var(name);
      if (text) *text = last_text.c_str();
      return true;
    }
    if (kind == 'L') {
      value = model.vars().value(name).value_or(0.0);
    } else if (kind == 'A') {
      auto found = model.number_var(name);
      if (!found) return false;
      value = *found;
    } else {
      return false;
    }
  } else if (auto parsed = parse_number(trim(code))) {
    value = *parsed;
  } else {
    return false;
  }
  if (number) *number = value;
  if (integer) *integer = std::isfinite(value) ? static_cast<std::int32_t>(value) : 0;
  if (text) {
    last_text = std::to_string(value);
    *text = last_text.c_str();
  }
  return true;
}

}  // namespace panelsim
