// Accelerometer: the present load and two memory needles holding the lowest and the highest load
// since the knob was last pressed.
#include "host/tokens.h"
#include "module_a/flight/flight_scales.h"
#include "module_a/flight/instrument_parts.h"
#include "module_a/frame/module_state.h"

namespace korvan {
namespace {
using namespace flight;

double HOST_CALL minimum_memory(Element* element) {
  double& memory = module_state.flight.load_minimum;
  memory = lower_memory(memory, needle_source(element));
  return memory;
}

double HOST_CALL maximum_memory(Element* element) {
  double& memory = module_state.flight.load_maximum;
  memory = upper_memory(memory, needle_source(element));
  return memory;
}

// Pressing the knob sets both memories to the present load, whichever button it was.
std::int32_t HOST_CALL reset_memories(host::MouseContext*, std::uint32_t) {
  host::HostVar load = token_var(host::token::kLoadFactor);
  host::read_token_var(load);
  module_state.flight.load_minimum = load.value.number();
  module_state.flight.load_maximum = load.value.number();
  return 0;
}

// 624 units per g; the needles stop at -5 g and +10 g, 0 g at the left of the dial.
constexpr Table<5> kLoadTable{{{{105, 106}, -6240, 0},
                               {{105, 106}, -3120, 0},
                               {{22, 88}, 0, 0},
                               {{110, 86}, 6240, 0},
                               {{110, 86}, 12480, 0}}};
constexpr Point kPivot{68, 69};

host::FailureRecord load_failures[] = {{2, 0}, {0, 0}};
host::FailureRecord minimum_failures[] = {{2, 0}, {0, 0}};
host::FailureRecord maximum_failures[] = {{2, 0}, {0, 0}};
Table<5> load_table = kLoadTable;
Table<5> minimum_table = kLoadTable;
Table<5> maximum_table = kLoadTable;

host::StaticImageElement cover = static_image(380, {0, 0}, kCover, nullptr);
Element* after_maximum[] = {&cover.element, nullptr};
host::NeedleElement maximum =
    needle({410, kPivot, {24, 8}, host::token::kLoadFactor, maximum_memory, maximum_failures},
           maximum_table, after_maximum);
Element* after_minimum[] = {&maximum.element, nullptr};
host::NeedleElement minimum =
    needle({410, kPivot, {24, 8}, host::token::kLoadFactor, minimum_memory, minimum_failures},
           minimum_table, after_minimum);
Element* after_load[] = {&minimum.element, nullptr};
host::NeedleElement load =
    needle({400, kPivot, {23, 8}, host::token::kLoadFactor, nullptr, load_failures}, load_table,
           after_load);
Element* after_dial[] = {&load.element, nullptr};
host::StaticImageElement dial = static_image(390, {0, 0}, kLitFace, after_dial);
Element* elements[] = {&dial.element, nullptr};

host::MouseRect mouse[] = {
    group(kWholeGauge),
    group({0, 0, 137, 110}, 0xA51C),
    end(),
    group({0, 111, 29, 29}, 0xA527),
    end(),
    hot_spot({0, 108, 29, 29}, host::cursor::kPush, kKnobPress, reset_memories),
    end(),
};
}  // namespace

host::GaugeHeader accelerometer = instrument("Accelerometer", 100, elements, mouse);

}  // namespace korvan
