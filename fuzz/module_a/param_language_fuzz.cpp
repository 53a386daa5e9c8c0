// Any text as a gauge's parameter string: every key is searched and every value read, and no
// read goes past the text's terminator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "module_a/frame/param_language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly sized with its terminator, so reading one byte too far is caught.
  auto text = std::make_unique<char[]>(size + 1);
  std::memcpy(text.get(), data, size);
  text[size] = '\0';
  for (char key = 'a'; key <= 'z'; ++key) {
    const char* value = korvan::param_search(text.get(), key);
    if (value == nullptr) continue;
    if (value <= text.get() || value > text.get() + size) std::abort();
    korvan::read_integer(value);
    korvan::panel_ident_value(value);
    korvan::help_id_value(value);
  }
  korvan::read_integer(text.get());
  korvan::panel_ident_value(text.get());
  korvan::help_id_value(text.get());
  return 0;
}
