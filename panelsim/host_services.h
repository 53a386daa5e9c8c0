#pragma once
// The service table a module receives in its ImportTable: each entry is a plain function that
// forwards to the panel that is running.
#include "host/panel_services.h"

namespace panelsim {
class Panel;
void fill_service_table(host::ServiceTable& table);
void set_active_panel(Panel* panel);  // the panel the services act on (one per process)
}  // namespace panelsim
