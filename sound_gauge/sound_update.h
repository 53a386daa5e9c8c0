#pragma once
// What the gauge does at each update and when the simulator window closes: follows every
// trigger variable (0 stop, 1 once, 2 loop), answers the stop variable, and frees its sounds.
#include "sound_gauge/sound_gauge_state.h"

namespace sound_gauge {

// A trigger value truncated toward zero; values that are not numbers or lie far outside the
// protocol (NaN, infinities, beyond the int range) read as -1, which the protocol ignores.
int trigger_value(double value);

void update_pass(SoundTable& table);
void stop_check(SoundTable& table);
void shutdown(SoundTable& table);

}  // namespace sound_gauge
