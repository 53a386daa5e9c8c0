#pragma once
// The simulated clock of the native platform: panelsim advances it frame by frame, and
// everything that plays or waits in the stand-ins (sound buffers, Sleep) follows it.

namespace platform {
double sim_time();  // seconds since the run started
void set_sim_time(double seconds);
}  // namespace platform
