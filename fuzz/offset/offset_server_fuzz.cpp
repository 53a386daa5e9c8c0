// Any bytes as a request buffer sent to the offset server: it answers 1 or 0 and never reads or
// writes outside the records it was told of (the buffer is exactly sized).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "panelsim/offset_server.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static panelsim::OffsetStore store;
  panelsim::OffsetServer server(store);
  // The sender tag, then the records.
  auto buffer = std::make_unique<std::uint8_t[]>(4 + size);
  std::memset(buffer.get(), 0xA5, 4);
  if (size > 0) std::memcpy(buffer.get() + 4, data, size);
  const LRESULT answer = server.answer(size, reinterpret_cast<LPARAM>(buffer.get()));
  if (answer != 0 && answer != 1) std::abort();
  // A refused buffer is left as it was.
  if (answer == 0 && size > 0 && std::memcmp(buffer.get() + 4, data, size) != 0) std::abort();
  return 0;
}
