#include "catapult/launch_parameter.h"

#include <cctype>
#include <climits>

namespace catapult {
namespace {

constexpr int kShortestStroke = 50;

// Leading blanks, an optional sign, then digits; anything else ends the number. Unlike atoi it
// never overflows: a number beyond int is held at INT_MIN or INT_MAX.
int read_whole_number(const char* text) {
  while (*text != '\0' && std::isspace(static_cast<unsigned char>(*text))) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  long long value = 0;
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
    value = value * 10 + (*text - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

LaunchSettings apply_launch_parameter(const char* text, LaunchSettings current) {
  if (text == nullptr) return current;
  const int n = read_whole_number(text);
  if (n > 1000) {
    const int speed = n % 1000;
    int stroke = n / 1000;
    if (stroke >= 1 && stroke < kShortestStroke) stroke = kShortestStroke;
    current.stroke_length = stroke;
    if (speed != 0) current.launch_speed = speed;
  } else if (n < 1000 && n != 0) {
    current.launch_speed = n;
  }
  return current;
}

}  // namespace catapult
