// A small module that exercises the host's rules where the real gauges do not yet: nested mouse
// groups with relative boxes, tool-tips with arguments, icons hidden by -1, needles with
// decreasing and pinned tables, gauges without callbacks.
#include "host/mouse_list.h"
#include "host/panel_services.h"

namespace {
host::StaticImageElement plain_face{
    .element = {.kind = host::ElementKind::StaticImage, .bitmap = 100},
};
host::Element* plain_elements[] = {&plain_face.element, nullptr};
host::MouseRect plain_mouse[] = {host::mouse::group(host::mouse::kWholeGauge), host::mouse::end()};
host::GaugeHeader plain{
    .version = 800,
    .name = "Plain",
    .elements = plain_elements,
    .size_mm = 19,
    .mouse_rects = plain_mouse,
};
void HOST_CALL nothing() {}
}  // namespace

extern "C" {
GAUGE_EXPORT host::Linkage<1> Linkage = {
    .head = {.module_id = host::kModuleId, .init = nothing, .deinit = nothing, .version = 0x900},
    .gauges = {&plain, nullptr},
};
}
