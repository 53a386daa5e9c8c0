// A faulty offset server: after the real server has answered, the input's bytes overwrite the
// answer. The client must deliver only into the variables it queued, each within its size, and
// never read or write outside its own buffer.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "catapult/offset_client/offset_client.h"
#include "panelsim/offset_server.h"

namespace {

class ScribblingServer final : public panelsim::OffsetRequestHandler {
 public:
  LRESULT answer(WPARAM records_length, LPARAM buffer) override {
    const LRESULT real = server_.answer(records_length, buffer);
    if (answer_index_ == 0) return real;  // the open's handshake is answered truthfully
    auto* bytes = reinterpret_cast<std::uint8_t*>(buffer);
    // The server may touch the tag, the records and the end mark: records_length + 8 bytes.
    const std::size_t count = std::min<std::size_t>(scribble_.size(), records_length + 8);
    if (count > 0) std::memcpy(bytes, scribble_.data(), count);
    return answer_;
  }
  void set(std::span<const std::uint8_t> scribble, LRESULT answer) {
    scribble_.assign(scribble.begin(), scribble.end());
    answer_ = answer;
    ++answer_index_;
  }

 private:
  panelsim::OffsetStore store_;
  panelsim::OffsetServer server_{store_};
  std::vector<std::uint8_t> scribble_;
  LRESULT answer_ = 1;
  int answer_index_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  ScribblingServer server;
  panelsim::OffsetServerWindow window(server);
  offset_client_state() = {};
  // A buffer of the size the input picks (32 to 287 bytes), exactly allocated.
  const std::uint32_t buffer_size = 32 + data[0];
  auto buffer = std::make_unique<std::uint8_t[]>(buffer_size);
  int result = 0;
  if (ipc_open(0, result, buffer.get(), buffer_size) != 1) return 0;

  // Reads of 1 to 8 bytes into exactly sized variables, with a write among them.
  std::vector<std::unique_ptr<std::uint8_t[]>> variables;
  for (std::uint32_t i = 0; i < (data[1] & 7u) + 1; ++i) {
    const std::uint32_t variable_size = 1 + (i * 3) % 8;
    variables.push_back(std::make_unique<std::uint8_t[]>(variable_size));
    ipc_read(0x3090 + i * 8, variable_size, variables.back().get(), result);
    if (i == 1) {
      const std::uint16_t hold = 1;
      ipc_write(0x0BC8, 2, &hold, result);
    }
  }
  server.set(std::span(data + 2, size - 2), (data[1] & 8u) != 0 ? 0 : 1);
  ipc_process(result);
  ipc_close();
  return 0;
}
