#pragma once
// The parameter strings of a panel configuration line: one lower-case key letter followed by its
// value, for instance "oGPS_PANEL p-2 b170". Everything from the first "/", "#" or "'" on is a
// comment.
#include <cstdint>

namespace korvan {

// Where the value of key begins (just after the key's first occurrence in text), or null when
// text is null, holds no key, or the key stands only after a comment character.
const char* param_search(const char* text, char key);

// Leading blanks, an optional sign, then decimal digits up to the first other character; 0 when
// there are none. Digits past the 32-bit range wrap around as a 32-bit counter would.
std::int32_t read_integer(const char* text);

// A panel window named by its ident name ("GPS_PANEL...") or by number; -1 for a null or empty
// text, so an unnamed window is never acted on.
std::int32_t panel_ident_value(const char* text);

// A help id named ("TOGGLE_FUEL_WINDOW...") or numbered (0xA000 and above); 0 for none.
std::int32_t help_id_value(const char* text);

}  // namespace korvan
