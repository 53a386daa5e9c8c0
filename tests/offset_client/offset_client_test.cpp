// The offset client against the offset server on a real "UIPCMAIN" window (the platform's
// registry natively, a real window and SendMessageA on Windows).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "tests/offset_client/server_fixture.h"

namespace {

using offset_test::ServerFixture;
namespace result_code = ipc_result;

constexpr std::uint32_t kHoldWord = 0x0BC8;
constexpr std::uint32_t kSpeed = 0x3090;

class OffsetClient : public ServerFixture {
 protected:
  // The catapult's buffer size.
  alignas(8) std::array<std::byte, 90> buffer{};

  void open_client(std::uint32_t size = 90) {
    int result = -1;
    ASSERT_EQ(ipc_open(0, result, buffer.data(), size), 1) << "result " << result;
    server.messages.clear();
    server.accesses.clear();
  }
};

TEST_F(OffsetClient, OpenReadsVersionAndIdentityAndWritesClientVersionInOneMessage) {
  int result = -1;
  ASSERT_EQ(ipc_open(0, result, buffer.data(), buffer.size()), 1);
  EXPECT_EQ(result, result_code::kOk);
  ASSERT_EQ(server.messages.size(), 1u);
  EXPECT_EQ(server.messages[0].records_length, 20u + 20u + 14u);
  ASSERT_EQ(server.accesses.size(), 3u);
  EXPECT_EQ(server.accesses[0].offset, 0x3304u);
  EXPECT_EQ(server.accesses[1].offset, 0x3308u);
  EXPECT_TRUE(server.accesses[2].is_write);
  EXPECT_EQ(store.client_version(), 1200);
  const OffsetClientState& client = offset_client_state();
  EXPECT_EQ(client.server_version, panelsim::OffsetStore::kServerVersion);
  EXPECT_EQ(client.simulator_identity, 8u);
  EXPECT_EQ(client.next, client.buffer + 4);
}

TEST_F(OffsetClient, OpenChecksServerVersionAndIdentity) {
  struct Case {
    std::uint32_t version;
    std::uint32_t identity;
    std::uint32_t simulator;
    int expected_result;
    std::uint32_t identity_kept;
  };
  const Case cases[] = {
      {0x19980005, 0xFADE0007, 0, result_code::kOk, 7},
      {0x19980005, 0xFADE0007, 7, result_code::kOk, 7},
      {0x19980005, 0xFADE0007, 8, result_code::kOtherSimulator, 0},
      {0x19980004, 0xFADE0007, 0, result_code::kServerNotUsable, 0},
      {0x80000000, 0xFADE0007, 0, result_code::kOk, 7},  // the version compares unsigned
      {0x19980005, 0xFADF0007, 0, result_code::kServerNotUsable, 0},
      {0x19980005, 0x0000FADE, 0, result_code::kServerNotUsable, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << std::hex << c.version << " " << c.identity << " " << c.simulator);
    offset_client_state() = {};
    store.set_server_version(c.version);
    store.set_identity(c.identity);
    int result = -1;
    const int opened = ipc_open(c.simulator, result, buffer.data(), buffer.size());
    EXPECT_EQ(result, c.expected_result);
    EXPECT_EQ(opened, c.expected_result == result_code::kOk ? 1 : 0);
    // A refused server leaves the client closed.
    EXPECT_EQ(offset_client_state().buffer != nullptr, opened == 1);
    if (opened == 1) {
      EXPECT_EQ(offset_client_state().simulator_identity, c.identity_kept);
    }
    ipc_close();
  }
}

TEST_F(OffsetClient, OpenRefusesMissingOrSmallBuffers) {
  struct Case {
    bool with_buffer;
    std::uint32_t size;
    int expected_result;
  };
  // 32 bytes pass the size check, but the handshake needs 66: 4 + 20 + 20 + 2 + 20.
  const Case cases[] = {{false, 90, result_code::kBadBuffer}, {true, 0, result_code::kBadBuffer},
                        {true, 31, result_code::kBadBuffer},  {true, 32, result_code::kDoesNotFit},
                        {true, 65, result_code::kDoesNotFit}, {true, 66, result_code::kOk}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    offset_client_state() = {};
    int result = -1;
    const int opened = ipc_open(0, result, c.with_buffer ? buffer.data() : nullptr, c.size);
    EXPECT_EQ(result, c.expected_result);
    EXPECT_EQ(opened == 1, offset_client_state().buffer != nullptr);
  }
}

TEST_F(OffsetClient, SecondOpenFailsAndChangesNothing) {
  open_client();
  std::array<std::byte, 64> other{};
  int result = -1;
  EXPECT_EQ(ipc_open(0, result, other.data(), other.size()), 0);
  EXPECT_EQ(result, result_code::kAlreadyOpen);
  EXPECT_EQ(offset_client_state().buffer, buffer.data());
  EXPECT_TRUE(server.messages.empty());
}

TEST_F(OffsetClient, ReadsAndWritesReachTheServerAndComeBack) {
  open_client();
  const double speed = 261.61;
  const std::uint16_t hold = 32767;
  int result = -1;
  ASSERT_EQ(ipc_write(kSpeed, 8, &speed, result), 1);
  ASSERT_EQ(ipc_write(kHoldWord, 2, &hold, result), 1);
  ASSERT_EQ(ipc_process(result), 1);
  EXPECT_EQ(store.get<double>(kSpeed), speed);
  EXPECT_EQ(store.get<std::uint16_t>(kHoldWord), hold);

  store.set<double>(kSpeed, 12.5);
  double speed_read = -1.0;
  std::uint16_t hold_read = 1;
  ASSERT_EQ(ipc_read(kSpeed, 8, &speed_read, result), 1);
  ASSERT_EQ(ipc_read(kHoldWord, 2, &hold_read, result), 1);
  // Nothing arrives before the batch is sent.
  EXPECT_EQ(speed_read, -1.0);
  ASSERT_EQ(ipc_process(result), 1);
  EXPECT_EQ(result, result_code::kOk);
  EXPECT_EQ(speed_read, 12.5);
  EXPECT_EQ(hold_read, 32767);
}

TEST_F(OffsetClient, ReadOfSizeZeroQueuesAHeaderAndDeliversNothing) {
  open_client();
  std::uint32_t untouched = 0xDEADBEEF;
  int result = -1;
  ASSERT_EQ(ipc_read(kSpeed, 0, &untouched, result), 1);
  EXPECT_EQ(offset_client_state().next, buffer.data() + 4 + 16);
  ASSERT_EQ(ipc_process(result), 1);
  EXPECT_EQ(untouched, 0xDEADBEEF);
  ASSERT_EQ(server.messages.size(), 1u);
  EXPECT_EQ(server.messages[0].records_length, 16u);
}

// With 90 bytes, the catapult's 8-byte and 2-byte reads fit; the margin is 24 bytes for a read
// and 20 for a write on top of the bytes already used and the record's data.
TEST_F(OffsetClient, RecordsThatDoNotFitAreRefusedAndEarlierOnesStayQueued) {
  open_client();
  double speed = 0.0;
  std::uint16_t hold = 1;
  store.set<double>(kSpeed, 99.0);
  int result = -1;
  ASSERT_EQ(ipc_read(kSpeed, 8, &speed, result), 1);    // used 4 -> 28
  ASSERT_EQ(ipc_read(kHoldWord, 2, &hold, result), 1);  // check 28 + 2 + 24 = 54; used -> 46

  struct Case {
    bool is_read;
    std::uint32_t size;
    int expected_result;
  };
  const std::array<std::byte, 64> data{};
  const Case cases[] = {
      {true, 21, result_code::kDoesNotFit},           // 46 + 21 + 24 = 91
      {false, 25, result_code::kDoesNotFit},          // 46 + 25 + 20 = 91
      {true, 0xFFFFFFF0u, result_code::kDoesNotFit},  // must not wrap around
      {false, 0xFFFFFFF0u, result_code::kDoesNotFit}, {true, 20, result_code::kOk},  // exactly 90
  };
  std::array<std::byte, 20> last{};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.is_read << " " << c.size);
    const std::byte* next_before = offset_client_state().next;
    const int queued = c.is_read ? ipc_read(0x4000, c.size, last.data(), result)
                                 : ipc_write(0x4000, c.size, data.data(), result);
    EXPECT_EQ(result, c.expected_result);
    EXPECT_EQ(queued == 1, c.expected_result == result_code::kOk);
    if (queued == 0) {
      EXPECT_EQ(offset_client_state().next, next_before);
    }
  }
  ASSERT_EQ(ipc_process(result), 1);
  EXPECT_EQ(speed, 99.0);
  EXPECT_EQ(hold, 0);
  EXPECT_EQ(server.accesses.size(), 3u);
}

TEST_F(OffsetClient, BufferAboveTheLimitIsUsedOnlyUpTo0x7F00) {
  std::vector<std::byte> big(0x10000);
  int result = -1;
  ASSERT_EQ(ipc_open(0, result, big.data(), static_cast<std::uint32_t>(big.size())), 1);
  EXPECT_EQ(offset_client_state().maximum, 0x7F00u);
  std::vector<std::byte> data(0x7F00);
  EXPECT_EQ(ipc_write(0x4000, 0x7F00 - 24, data.data(), result), 1);  // 4 + 0x7EE8 + 20
  EXPECT_EQ(ipc_write(0x4000, 0, data.data(), result), 0);
  EXPECT_EQ(result, result_code::kDoesNotFit);
}

TEST_F(OffsetClient, ProcessWithNothingQueuedSendsNothing) {
  open_client();
  int result = -1;
  EXPECT_EQ(ipc_process(result), 0);
  EXPECT_EQ(result, result_code::kNothingQueued);
  std::uint16_t hold = 0;
  ASSERT_EQ(ipc_read(kHoldWord, 2, &hold, result), 1);
  ASSERT_EQ(ipc_process(result), 1);
  EXPECT_EQ(ipc_process(result), 0);
  EXPECT_EQ(result, result_code::kNothingQueued);
  EXPECT_EQ(server.messages.size(), 1u);
}

TEST_F(OffsetClient, CloseThenOpenAgainStartsOver) {
  open_client();
  int result = -1;
  std::uint16_t hold = 0;
  ASSERT_EQ(ipc_read(kHoldWord, 2, &hold, result), 1);
  ipc_close();
  EXPECT_EQ(ipc_process(result), 0);
  EXPECT_EQ(result, result_code::kNotOpen);
  open_client();
  EXPECT_EQ(ipc_process(result), 0);
  EXPECT_EQ(result, result_code::kNothingQueued);
}

// The sender tag is a code address inside the sending operation itself.
TEST_F(OffsetClient, SenderTagPointsIntoTheSendingOperation) {
  open_client();
  int result = -1;
  std::uint16_t hold = 0;
  ASSERT_EQ(ipc_read(kHoldWord, 2, &hold, result), 1);
  ASSERT_EQ(ipc_process(result), 1);
  ASSERT_EQ(server.messages.size(), 1u);
  const auto start = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&ipc_process));
  EXPECT_GT(server.messages[0].sender_tag, start);
  EXPECT_LT(server.messages[0].sender_tag - start, 4096u);
}

TEST_F(OffsetClient, AnswerOtherThanOneDropsTheBatchAndKeepsTheVariables) {
  open_client();
  store.set<double>(kSpeed, 50.0);
  for (LRESULT answer : {0, 2, -1}) {
    SCOPED_TRACE(answer);
    server.forced_answer = answer;
    double speed = -1.0;
    int result = -1;
    ASSERT_EQ(ipc_read(kSpeed, 8, &speed, result), 1);
    EXPECT_EQ(ipc_process(result), 0);
    EXPECT_EQ(result, result_code::kServerFailed);
    EXPECT_EQ(speed, -1.0);
    // The batch is gone, and the client stays open.
    EXPECT_EQ(ipc_process(result), 0);
    EXPECT_EQ(result, result_code::kNothingQueued);
  }
}

TEST_F(OffsetClient, HandshakeFailureClosesTheClient) {
  server.forced_answer = 0;
  int result = -1;
  EXPECT_EQ(ipc_open(0, result, buffer.data(), buffer.size()), 0);
  EXPECT_EQ(result, result_code::kServerFailed);
  EXPECT_EQ(offset_client_state().buffer, nullptr);
  EXPECT_EQ(offset_client_state().server_window, nullptr);
}

// What a faulty server may leave in the buffer: the walk stops at an unknown kind (clearing it)
// or at a record that runs past the records sent, and a record whose size or destination was
// changed is not delivered, so no variable is overrun.
TEST_F(OffsetClient, FaultyAnswersAreWalkedSafely) {
  struct Case {
    const char* what;
    std::size_t field;  // byte offset in the buffer to overwrite
    std::uint32_t value;
    bool first_delivered;
    bool second_delivered;
    bool clears_kind = false;
  };
  // Records: the 8-byte read at 4 (data at 20), the 2-byte read at 28 (data at 44), end at 46.
  const Case cases[] = {
      {"untouched", 0, 0, true, true},
      {"unknown kind second", 28, 7, true, false, true},
      {"unknown kind first", 4, 3, false, false, true},
      {"first size runs past the end", 12, 0x7FFFFFFF, false, false},
      {"first size grown by one", 12, 9, false, false},
      {"second size runs past the end", 36, 3, true, false},
      {"first destination changed", 16, 0x1234, false, true},
      {"terminator changed to a read", 46, 1, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    offset_client_state() = {};
    open_client();
    store.set<double>(kSpeed, 7.0);
    store.set<std::uint16_t>(kHoldWord, 9);
    server.tamper = [&c](std::byte* bytes) {
      if (c.field == 0) return;
      for (int i = 0; i < 4; ++i) bytes[c.field + i] = static_cast<std::byte>(c.value >> (8 * i));
    };
    double speed = -1.0;
    std::uint16_t hold = 1;
    int result = -1;
    ASSERT_EQ(ipc_read(kSpeed, 8, &speed, result), 1);
    ASSERT_EQ(ipc_read(kHoldWord, 2, &hold, result), 1);
    EXPECT_EQ(ipc_process(result), 1);
    EXPECT_EQ(result, result_code::kOk);
    EXPECT_EQ(speed, c.first_delivered ? 7.0 : -1.0);
    EXPECT_EQ(hold, c.second_delivered ? 9 : 1);
    if (c.clears_kind) {
      std::uint32_t kind = 0;
      std::memcpy(&kind, buffer.data() + c.field, 4);
      EXPECT_EQ(kind, 0u) << "an unknown kind is cleared";
    }
    server.tamper = nullptr;
    ipc_close();
  }
}

TEST(OffsetClientWithoutServer, OpenFailsAndEveryLaterCallIsNotOpen) {
  offset_client_state() = {};
  std::array<std::byte, 90> buffer{};
  int result = -1;
  EXPECT_EQ(ipc_open(0, result, buffer.data(), buffer.size()), 0);
  EXPECT_EQ(result, result_code::kNoServerWindow);
  std::uint16_t hold = 5;
  EXPECT_EQ(ipc_read(kHoldWord, 2, &hold, result), 0);
  EXPECT_EQ(result, result_code::kNotOpen);
  EXPECT_EQ(ipc_write(kHoldWord, 2, &hold, result), 0);
  EXPECT_EQ(result, result_code::kNotOpen);
  EXPECT_EQ(ipc_process(result), 0);
  EXPECT_EQ(result, result_code::kNotOpen);
  EXPECT_EQ(hold, 5);
  EXPECT_TRUE(
      std::all_of(buffer.begin(), buffer.end(), [](std::byte b) { return b == std::byte{0}; }));
}

}  // namespace
