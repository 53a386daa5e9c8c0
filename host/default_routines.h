#pragma once
// The seven default routines of a gauge header. Each hands the gauge's first element to the
// host's element-tree service of the same number, which is all a gauge without routines of its
// own needs. Elements is the gauge's element list (an array with static storage).
#include <cstdint>

#include "host/gauge_records.h"
#include "host/panel_services.h"

namespace host {

template <auto& Elements, int Routine>
void HOST_CALL default_routine() {
  element_tree_service(Routine, Elements[0]);
}

template <auto& Elements, int Routine>
void HOST_CALL default_routine_with_value(std::uint32_t value) {
  element_tree_service(Routine, Elements[0], value);
}

// The header with its routine words filled in, for a header written without them:
//   GaugeHeader header = with_default_routines<elements>({.version = 800, ...});
template <auto& Elements>
constexpr GaugeHeader with_default_routines(GaugeHeader header) {
  header.routine1 = default_routine<Elements, 1>;
  header.routine2 = default_routine_with_value<Elements, 2>;
  header.routine3 = default_routine<Elements, 3>;
  header.routine4 = default_routine<Elements, 4>;
  header.routine5 = default_routine_with_value<Elements, 5>;
  header.routine6 = default_routine<Elements, 6>;
  header.routine7 = default_routine<Elements, 7>;
  return header;
}

}  // namespace host
