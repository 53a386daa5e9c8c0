#pragma once
// The few calculator expressions the modules evaluate: "(A:NAME,unit)" simulator values by
// name, "(L:name,unit)" named variables, and plain numbers.
#include <cstdint>
#include <string>

namespace panelsim {
class SimModel;

// Returns false for an expression panelsim does not understand (outputs untouched then). The
// text output stays valid until the next evaluation.
bool evaluate_calculator_code(SimModel& model, const std::string& code, double* number,
                              std::int32_t* integer, const char** text);
}  // namespace panelsim
