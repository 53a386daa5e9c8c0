#pragma once
// The gauge's configuration, read once at its first update: the INI path from the parameter
// string, the number of entries, each entry's WAVE file and trigger variable, and the stop
// variable, with the variables registered with the host.
#include "sound_gauge/sound_gauge_state.h"

namespace sound_gauge {

// Builds a fresh table from the INI file named by parameters (the default file when null or
// empty). Returns null only when there is no memory for it.
std::unique_ptr<SoundTable> configure(const char* parameters);

// "MaxSounds" as the gauge reads it: the leading decimal number of text, like atoi, limited
// to 0..100.
int parse_max_sounds(const char* text);

}  // namespace sound_gauge
