#pragma once
// What a module offers a panel designer: its gauges with their sizes, elements, hot spots and
// tool-tips, as readable text.
#include <iosfwd>

namespace panelsim {
class LoadedModule;
void print_module_listing(LoadedModule& module, std::ostream& out);
}  // namespace panelsim
