// Any text as the catapult's parameter string: the number is read without overflow, and a stroke
// it sets is never shorter than 50 ft.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "catapult/launch_parameter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly sized with its terminator, so reading one byte too far is caught.
  auto text = std::make_unique<char[]>(size + 1);
  if (size > 0) std::memcpy(text.get(), data, size);
  text[size] = '\0';
  const catapult::LaunchSettings before{.launch_speed = 155, .stroke_length = 300};
  const catapult::LaunchSettings after = catapult::apply_launch_parameter(text.get(), before);
  if (after.stroke_length != before.stroke_length && after.stroke_length < 50) std::abort();
  return 0;
}
