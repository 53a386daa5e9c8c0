// The 32-bit build must match the host's word lists exactly: sizes and field offsets in bytes.
#include <cstddef>

#include "host/panel_services.h"

#if defined(_WIN32) && !defined(_WIN64)
namespace host {

static_assert(sizeof(HostVar) == 7 * 4);
static_assert(offsetof(HostVar, value) == 3 * 4);
static_assert(offsetof(HostVar, previous) == 5 * 4);

static_assert(sizeof(ImportTable) == 4 * 4);
static_assert(offsetof(ImportTable, services) == 4);

static_assert(sizeof(ModuleLinkage) == 6 * 4);
static_assert(offsetof(Linkage<3>, gauges) == 6 * 4);

static_assert(offsetof(GaugeHeader, elements) == 2 * 4);
static_assert(offsetof(GaugeHeader, routine7) == 9 * 4);
static_assert(offsetof(GaugeHeader, size_mm) == 11 * 4);
static_assert(offsetof(GaugeHeader, mouse_rects) == 20 * 4);
static_assert(offsetof(GaugeHeader, callback) == 21 * 4);
static_assert(offsetof(GaugeHeader, user_word) == 22 * 4);
static_assert(offsetof(GaugeHeader, parameters) == 23 * 4);
static_assert(offsetof(GaugeHeader, trailing) == 30 * 4);
static_assert(sizeof(GaugeHeader) == 32 * 4);

static_assert(sizeof(Element) == 15 * 4);
static_assert(offsetof(Element, offset) == 6 * 4);
static_assert(offsetof(Element, gauge) == 8 * 4);
static_assert(offsetof(Element, children) == 10 * 4);
static_assert(offsetof(Element, image_flags) == 12 * 4);

static_assert(sizeof(NonlinearityPoint) == 6 * 4);
static_assert(offsetof(NonlinearityPoint, angle) == 4 * 4);
static_assert(sizeof(FailureRecord) == 2 * 4);

static_assert(sizeof(MouseRect) == 11 * 4);
static_assert(offsetof(MouseRect, cursor) == 5 * 4);
static_assert(offsetof(MouseRect, help_id) == 6 * 4);
static_assert(offsetof(MouseRect, event_mask) == 7 * 4);
static_assert(offsetof(MouseRect, key_event) == 8 * 4);
static_assert(offsetof(MouseRect, function) == 9 * 4);
static_assert(offsetof(MouseRect, args) == 10 * 4);

static_assert(sizeof(TooltipArg) == 18 * 4);
static_assert(offsetof(TooltipArg, number) == 15 * 4);
static_assert(offsetof(TooltipArg, text) == 17 * 4);

static_assert(sizeof(MouseContext) == 4 * 4);

// The kind-specific fields follow the common ones in the listed order.
static_assert(offsetof(NeedleElement, source) == sizeof(Element));
static_assert(offsetof(IconElement, source) == sizeof(Element));
static_assert(sizeof(IconElement) - kIconElementSizeV700 == 4);

}  // namespace host
#endif
