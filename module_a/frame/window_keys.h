#pragma once
// What the parameter string of a panel button does: the click keys ("o", "c", "t", "p"), the
// install keys ("b", "h") and the close-once key ("a").
#include <cstdint>

#include "host/gauge_records.h"

namespace korvan {

// A "p" value moves the main view one step per key event. Larger values are taken as this many
// steps, so a mistyped number cannot hold the panel thread in a flood of key events.
inline constexpr std::int32_t kMostViewSteps = 100;

// Runs the click keys of the instance's parameter string, in the order open, close, toggle,
// view. Returns 0 (and does nothing) when the header or its string is missing or empty, else 1.
int window_actions(const host::GaugeHeader* gauge);

// At every install: "b" picks the face bitmap of the root element (100 to 200 in steps of ten; any
// other value leaves the face and also the help id alone), then "h" sets the help id of the
// gauge's outer mouse group.
void install_params(host::GaugeHeader* gauge);

// "a": closes a panel window; the caller runs this only at the first install of an instance.
void first_install_close(const host::GaugeHeader* gauge);

}  // namespace korvan
