#include "catapult/offset_client/offset_client.h"

#include <cstring>

#include "catapult/offset_client/request_records.h"

namespace {

using namespace offset_records;

constexpr std::uint32_t kSmallestBuffer = 32;
constexpr std::uint32_t kServerVersionOffset = 0x3304;
constexpr std::uint32_t kSimulatorIdentityOffset = 0x3308;
constexpr std::uint32_t kClientVersionOffset = 0x330A;
constexpr std::uint16_t kClientVersion = 1200;
constexpr std::uint32_t kOldestServerVersion = 0x19980005;
constexpr std::uint32_t kServerMark = 0xFADE0000;

bool is_open(const OffsetClientState& client) {
  return client.buffer != nullptr;
}

std::uint32_t used_bytes(const OffsetClientState& client) {
  return static_cast<std::uint32_t>(client.next - client.buffer);
}

// Counted in 64 bits so that a huge size cannot wrap around and pass.
bool fits(const OffsetClientState& client, std::uint32_t size, std::uint32_t margin) {
  return std::uint64_t{used_bytes(client)} + size + margin <= client.maximum;
}

bool fail(int& result, int code) {
  result = code;
  return false;
}

bool run_handshake(OffsetClientState& client, int& result) {
  return ipc_read(kServerVersionOffset, 4, &client.server_version, result) &&
         ipc_read(kSimulatorIdentityOffset, 4, &client.simulator_identity, result) &&
         ipc_write(kClientVersionOffset, 2, &kClientVersion, result) && ipc_process(result);
}

}  // namespace

OffsetClientState& offset_client_state() {
  static OffsetClientState client;
  return client;
}

int ipc_open(std::uint32_t simulator, int& result, void* buffer, std::uint32_t size) {
  OffsetClientState& client = offset_client_state();
  if (is_open(client)) return fail(result, ipc_result::kAlreadyOpen);
  if (buffer == nullptr || size < kSmallestBuffer) return fail(result, ipc_result::kBadBuffer);
  client.server_version = 0;
  client.simulator_identity = 0;
  client.server_window = FindWindowExA(nullptr, nullptr, "UIPCMAIN", nullptr);
  if (client.server_window == nullptr) return fail(result, ipc_result::kNoServerWindow);

  client.maximum = size < kMaxUsableBufferSize ? size : kMaxUsableBufferSize;
  client.buffer = static_cast<std::byte*>(buffer);
  client.next = client.buffer + kFirstRecord;
  client.pending_count = 0;
  if (!run_handshake(client, result)) {
    ipc_close();
    return 0;
  }
  if (client.server_version < kOldestServerVersion ||
      (client.simulator_identity & 0xFFFF0000u) != kServerMark) {
    ipc_close();
    return fail(result, ipc_result::kServerNotUsable);
  }
  client.simulator_identity &= 0xFFFFu;
  if (simulator != 0 && simulator != client.simulator_identity) {
    ipc_close();
    return fail(result, ipc_result::kOtherSimulator);
  }
  result = ipc_result::kOk;
  return 1;
}

void ipc_close() {
  OffsetClientState& client = offset_client_state();
  client.server_window = nullptr;
  client.buffer = nullptr;
  client.next = nullptr;
  client.pending_count = 0;
}

int ipc_read(std::uint32_t offset, std::uint32_t size, void* destination, int& result) {
  OffsetClientState& client = offset_client_state();
  if (!is_open(client)) return fail(result, ipc_result::kNotOpen);
  if (!fits(client, size, kReadMargin) || client.pending_count == kMaxPendingReads) {
    return fail(result, ipc_result::kDoesNotFit);
  }

  client.pending[client.pending_count++] = {
      .record_offset = used_bytes(client), .size = size, .destination = destination};
  store_word(client.next, kRead);
  store_word(client.next + 4, offset);
  store_word(client.next + 8, size);
  store_word(client.next + 12,
             static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(destination)));
  std::memset(client.next + kReadHeader, 0, size);
  client.next += kReadHeader + size;
  result = ipc_result::kOk;
  return 1;
}

int ipc_write(std::uint32_t offset, std::uint32_t size, const void* source, int& result) {
  OffsetClientState& client = offset_client_state();
  if (!is_open(client)) return fail(result, ipc_result::kNotOpen);
  if (!fits(client, size, kWriteMargin)) return fail(result, ipc_result::kDoesNotFit);

  store_word(client.next, kWrite);
  store_word(client.next + 4, offset);
  store_word(client.next + 8, size);
  if (size != 0) std::memcpy(client.next + kWriteHeader, source, size);
  client.next += kWriteHeader + size;
  result = ipc_result::kOk;
  return 1;
}
