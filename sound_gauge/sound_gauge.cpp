// The sound gauge: plays up to 100 WAVE files for the other gauges of the panel, which start,
// loop and stop them through named variables. It draws one static picture, has nothing to
// click, and does all its work in its gauge callback.
#include <cstddef>

#include "audio/sound_manager.h"
#include "host/default_routines.h"
#include "host/panel_services.h"
#include "sound_gauge/sound_config.h"
#include "sound_gauge/sound_update.h"

namespace sound_gauge {

SoundGaugeState& module_state() {
  static SoundGaugeState state;
  return state;
}

namespace {

constexpr std::int32_t kFaceBitmap = 256;
constexpr std::uint32_t kFaceImageFlags = 0x83;

void HOST_CALL gauge_callback(host::GaugeHeader* gauge, std::int32_t service_code, std::uint32_t) {
  SoundGaugeState& state = module_state();
  switch (service_code) {
    case host::service_code::kSimWindowOpen:
      audio::module_sound_manager().init_sound_device();
      break;
    case host::service_code::kUpdate:
      if (state.configured == 0) {
        state.configured = 1;
        state.table = configure(gauge != nullptr ? gauge->parameters : nullptr);
      }
      // After shutdown the table is gone for good: later updates find nothing to do.
      if (state.table) {
        update_pass(*state.table);
        stop_check(*state.table);
      }
      break;
    case host::service_code::kSimWindowClose:
      if (state.table) shutdown(*state.table);
      audio::module_sound_manager().release_sound_device();
      state.table.reset();
      break;
    default:
      break;
  }
}

extern host::GaugeHeader sound_gauge_header;

host::StaticImageElement face{.element = {.kind = host::ElementKind::StaticImage,
                                          .bitmap = kFaceBitmap,
                                          .gauge = &sound_gauge_header,
                                          .image_flags = kFaceImageFlags}};
host::Element* elements[] = {&face.element, nullptr};

constinit host::GaugeHeader sound_gauge_header = host::with_default_routines<elements>({
    .version = 800,
    .name = "qrn_xml_sound3",
    .elements = elements,
    .size_mm = 20,
    .mouse_rects = nullptr,
    .callback = gauge_callback,
});

void HOST_CALL module_init() {}
void HOST_CALL module_deinit() {}

}  // namespace
}  // namespace sound_gauge

extern "C" {
GAUGE_EXPORT constinit host::Linkage<1> Linkage = {
    .head = {.module_id = host::kModuleId,
             .init = sound_gauge::module_init,
             .deinit = sound_gauge::module_deinit,
             .status = 0,
             .reserved = 0,
             .version = 0x900},
    .gauges = {&sound_gauge::sound_gauge_header, nullptr},
};
}
