#pragma once
// Panel window idents the parameter strings can name, and the help texts the buttons show.
#include <cstdint>

#include "host/tokens.h"

namespace korvan {

namespace panel_window = host::panel_window;

// Help ids name texts the host owns.
namespace help_id {
inline constexpr std::int32_t kToggleRadioWindow = 0xAB86;
inline constexpr std::int32_t kToggleGpsWindow = 0xAB87;
inline constexpr std::int32_t kToggleThrottleWindow = 0xAB88;
inline constexpr std::int32_t kToggleCompassWindow = 0xAB89;
inline constexpr std::int32_t kToggleFuelWindow = 0xAB8A;
inline constexpr std::int32_t kToggleCollectiveWindow = 0xAB8B;
inline constexpr std::int32_t kMap = 0xAB8F;
inline constexpr std::int32_t kKneeboard = 0xAB93;
inline constexpr std::int32_t kAtcWindow = 0xAB94;
// Numbers below this are not help texts: a parameter string that gives one clears the help id.
inline constexpr std::int32_t kLowestNumbered = 0xA000;
}  // namespace help_id

}  // namespace korvan
