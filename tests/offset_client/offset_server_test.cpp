// The offset server on buffers built by hand: what it answers, what it reads and writes, and
// that it refuses a malformed buffer without touching anything.
#include "panelsim/offset_server.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// A request buffer: sender tag, records, terminator, and guard bytes the server must not touch.
class RequestBuffer {
 public:
  RequestBuffer& word(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::byte>(value >> (8 * i)));
    return *this;
  }
  RequestBuffer& read(std::uint32_t offset, std::uint32_t size) {
    word(1).word(offset).word(size).word(0xCAFE);
    bytes_.insert(bytes_.end(), size, std::byte{0});
    return *this;
  }
  template <class T>
  RequestBuffer& write(std::uint32_t offset, T value) {
    word(2).word(offset).word(sizeof(T));
    const auto* raw = reinterpret_cast<const std::byte*>(&value);
    bytes_.insert(bytes_.end(), raw, raw + sizeof(T));
    return *this;
  }
  // Closes the buffer with the terminator and guard bytes; the records' length for wParam.
  WPARAM finish() {
    const WPARAM length = bytes_.size() - 4;
    word(0);
    bytes_.insert(bytes_.end(), 16, kGuard);
    return length;
  }
  LPARAM address() { return reinterpret_cast<LPARAM>(bytes_.data()); }
  std::vector<std::byte>& bytes() { return bytes_; }
  template <class T>
  T value_at(std::size_t at) const {
    T value{};
    std::memcpy(&value, bytes_.data() + at, sizeof(T));
    return value;
  }

  static constexpr std::byte kGuard{0xA5};

 private:
  std::vector<std::byte> bytes_{4, std::byte{0x11}};  // sender tag
};

class OffsetServerTest : public ::testing::Test {
 protected:
  panelsim::OffsetStore store;
  panelsim::OffsetServer server{store};
};

TEST_F(OffsetServerTest, AppliesWritesAndFillsReadsInOrder) {
  RequestBuffer request;
  request.write<std::uint16_t>(0x0BC8, 32767).read(0x0BC8, 2).read(0x3308, 4).read(0x3090, 8);
  store.set<double>(0x3090, 123.25);
  const WPARAM length = request.finish();
  ASSERT_EQ(server.answer(length, request.address()), 1);
  EXPECT_EQ(store.get<std::uint16_t>(0x0BC8), 32767);
  EXPECT_EQ(request.value_at<std::uint16_t>(4 + 14 + 16), 32767);  // read after the write
  EXPECT_EQ(request.value_at<std::uint32_t>(4 + 14 + 18 + 16), 0xFADE0008u);
  EXPECT_EQ(request.value_at<double>(4 + 14 + 18 + 20 + 16), 123.25);
  // The record headers stay as the client wrote them.
  EXPECT_EQ(request.value_at<std::uint32_t>(4 + 14 + 12), 0xCAFEu);
}

TEST_F(OffsetServerTest, StopsAtAKindOfZero) {
  RequestBuffer request;
  request.write<std::uint16_t>(0x0BC8, 1).word(0).write<std::uint16_t>(0x0BC8, 2);
  const WPARAM length = request.finish();
  ASSERT_EQ(server.answer(length, request.address()), 1);
  EXPECT_EQ(store.get<std::uint16_t>(0x0BC8), 1);
}

TEST_F(OffsetServerTest, ReadsAndWritesAtTheEndOfTheRangeStayInside) {
  RequestBuffer request;
  request.write<std::uint32_t>(0xFFFE, 0x04030201).read(0xFFFE, 4).read(0x20000, 2);
  const WPARAM length = request.finish();
  ASSERT_EQ(server.answer(length, request.address()), 1);
  EXPECT_EQ(request.value_at<std::uint32_t>(4 + 16 + 16), 0x0201u);
  EXPECT_EQ(request.value_at<std::uint16_t>(4 + 16 + 20 + 16), 0);
}

// The client's version goes to 0x330A, inside the identity word, and must not change it.
TEST_F(OffsetServerTest, ClientVersionIsKeptApartFromTheServersWords) {
  RequestBuffer request;
  request.write<std::uint16_t>(0x330A, 1200).write<std::uint32_t>(0x3304, 1).read(0x3304, 8);
  const WPARAM length = request.finish();
  ASSERT_EQ(server.answer(length, request.address()), 1);
  EXPECT_EQ(store.client_version(), 1200);
  EXPECT_EQ(request.value_at<std::uint32_t>(4 + 14 + 16 + 16), 0x19980005u);
  EXPECT_EQ(request.value_at<std::uint32_t>(4 + 14 + 16 + 16 + 4), 0xFADE0008u);
}

TEST_F(OffsetServerTest, MalformedBuffersAreRefusedUntouched) {
  struct Case {
    const char* what;
    std::function<WPARAM(RequestBuffer&)> build;
  };
  const Case cases[] = {
      {"unknown kind after a good write",
       [](RequestBuffer& r) {
         r.write<std::uint16_t>(0x0BC8, 7).word(3).word(0x0BC8).word(0);
         return r.finish();
       }},
      {"read data past the records",
       [](RequestBuffer& r) {
         r.write<std::uint16_t>(0x0BC8, 7).word(1).word(0x3090).word(8).word(0);
         return r.finish();
       }},
      {"huge size",
       [](RequestBuffer& r) {
         r.write<std::uint16_t>(0x0BC8, 7).word(2).word(0x3090).word(0xFFFFFFFF);
         return r.finish();
       }},
      {"header cut short",
       [](RequestBuffer& r) {
         r.write<std::uint16_t>(0x0BC8, 7).word(1).word(0x3090);
         return r.finish();
       }},
      {"length not a whole word",
       [](RequestBuffer& r) {
         r.write<std::uint16_t>(0x0BC8, 7);
         return r.finish() + 2;
       }},
      {"length above any client buffer",
       [](RequestBuffer& r) {
         r.write<std::uint16_t>(0x0BC8, 7);
         r.finish();
         return WPARAM{0x7F00};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RequestBuffer request;
    const WPARAM length = c.build(request);
    const std::vector<std::byte> before = request.bytes();
    EXPECT_EQ(server.answer(length, request.address()), 0);
    EXPECT_EQ(store.get<std::uint16_t>(0x0BC8), 0) << "nothing is applied";
    EXPECT_EQ(request.bytes(), before);
  }
  EXPECT_EQ(server.answer(0, 0), 0) << "no buffer";
}

TEST_F(OffsetServerTest, ReportsEachAccess) {
  std::vector<panelsim::OffsetAccess> seen;
  server.on_access([&seen](const panelsim::OffsetAccess& access) { seen.push_back(access); });
  store.set<std::uint16_t>(0x0BC8, 5);
  RequestBuffer request;
  request.read(0x0BC8, 2).write<std::uint16_t>(0x0BC8, 0);
  const WPARAM length = request.finish();
  ASSERT_EQ(server.answer(length, request.address()), 1);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_FALSE(seen[0].is_write);
  EXPECT_EQ(seen[0].bytes, (std::vector<std::byte>{std::byte{5}, std::byte{0}}));
  EXPECT_TRUE(seen[1].is_write);
  EXPECT_EQ(seen[1].offset, 0x0BC8u);
}

}  // namespace
