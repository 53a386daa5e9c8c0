#pragma once
// An offset server on a window of class "UIPCMAIN", with its store, a log of what it answered,
// and an optional tamper step that plays a faulty server after the real one has answered.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "catapult/offset_client/offset_client.h"
#include "panelsim/offset_server.h"

namespace offset_test {

struct Message {
  WPARAM records_length;
  std::uint32_t sender_tag;
};

// Answers through the real server, then lets a test change the answer or the buffer.
class ObservedServer final : public panelsim::OffsetRequestHandler {
 public:
  explicit ObservedServer(panelsim::OffsetValues& values) : server_(values) {
    server_.on_access([this](const panelsim::OffsetAccess& access) { accesses.push_back(access); });
  }
  LRESULT answer(WPARAM records_length, LPARAM buffer) override {
    auto* bytes = reinterpret_cast<std::byte*>(buffer);
    std::uint32_t tag = 0;
    for (int i = 0; i < 4; ++i) tag |= std::to_integer<std::uint32_t>(bytes[i]) << (8 * i);
    messages.push_back({records_length, tag});
    LRESULT answer = server_.answer(records_length, buffer);
    if (tamper) tamper(bytes);
    return forced_answer.value_or(answer);
  }

  std::vector<Message> messages;
  std::vector<panelsim::OffsetAccess> accesses;
  std::function<void(std::byte* buffer)> tamper;
  std::optional<LRESULT> forced_answer;

 private:
  panelsim::OffsetServer server_;
};

class ServerFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    offset_client_state() = {};
    ASSERT_NE(window.handle(), nullptr) << "the server window could not be created";
  }
  void TearDown() override { ipc_close(); }

  panelsim::OffsetStore store;
  ObservedServer server{store};
  panelsim::OffsetServerWindow window{server};
};

}  // namespace offset_test
