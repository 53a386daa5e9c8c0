#pragma once
// The catapult's work at every update and at the simulator-window codes: reading the zone and
// the disable variable, timing the step, talking to the offset server, and running the launch.
#include "catapult/catapult_state.h"

namespace catapult {

// Every update, in order: parameter, disable value, zone, clock, target speed, connection,
// publish, automatic disarm, reading, start, launch step, end, speed-0 stop.
void update(CatapultState& state, const char* parameters);

// The simulator window appears: variables registered, sound device made, server connection
// to be opened again at the next update.
void on_sim_window_open(CatapultState& state);
// The simulator window goes: the launch sound, the sound device and the connection are let go.
void on_sim_window_close(CatapultState& state);
// The host's one-time reset: only its first call in the module's life does anything.
void on_reset(CatapultState& state);

}  // namespace catapult
