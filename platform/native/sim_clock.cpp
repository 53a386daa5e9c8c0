#include "platform/native/sim_clock.h"

namespace platform {
namespace {
double now = 0.0;
}
double sim_time() {
  return now;
}
void set_sim_time(double seconds) {
  now = seconds;
}
}  // namespace platform
