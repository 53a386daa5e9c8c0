#pragma once
// The offset server client: read and write requests collected in a caller-supplied buffer and
// sent in one window message to the offset server (window class "UIPCMAIN"), which answers them
// in place. Every operation returns 1 on success and 0 on failure and reports a result code.
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/windows_api.h"

namespace ipc_result {
inline constexpr int kOk = 0;
inline constexpr int kAlreadyOpen = 1;
inline constexpr int kNoServerWindow = 2;
inline constexpr int kBadBuffer = 6;        // no buffer, or one smaller than 32 bytes
inline constexpr int kServerNotUsable = 7;  // version too old, or not an offset server
inline constexpr int kOtherSimulator = 8;   // a particular simulator was asked for
inline constexpr int kNotOpen = 9;
inline constexpr int kNothingQueued = 10;
inline constexpr int kServerFailed = 13;  // the message was answered with anything but 1
inline constexpr int kDoesNotFit = 15;
}  // namespace ipc_result

inline constexpr UINT kOffsetServerMessage = 0x0482;
inline constexpr std::uint32_t kMaxUsableBufferSize = 0x7F00;

// Where the answer of one queued read is delivered. The record itself carries only 32 bits of
// the destination address, which cannot name a variable in a 64-bit process, and a server could
// rewrite it; the client trusts only what it queued.
struct PendingRead {
  std::uint32_t record_offset = 0;  // from the start of the buffer
  std::uint32_t size = 0;
  void* destination = nullptr;
};

// The most reads one buffer holds: 16-byte records from offset 4, each with a 24-byte margin.
inline constexpr std::size_t kMaxPendingReads = (kMaxUsableBufferSize - 4 - 24) / 16 + 1;

// One per module. Tests start from a fresh client with offset_client_state() = {}.
struct OffsetClientState {
  HWND server_window = nullptr;
  std::byte* buffer = nullptr;  // null while the client is closed
  std::byte* next = nullptr;    // where the next record goes
  std::uint32_t maximum = 0;    // usable bytes of the buffer
  std::uint32_t server_version = 0;
  std::uint32_t simulator_identity = 0;  // after a successful open, only the simulator number
  std::size_t pending_count = 0;
  std::array<PendingRead, kMaxPendingReads> pending{};
};

OffsetClientState& offset_client_state();

// Finds the server, takes the buffer (which must stay valid until ipc_close) and checks the
// server. simulator 0 accepts any simulator.
int ipc_open(std::uint32_t simulator, int& result, void* buffer, std::uint32_t size);
void ipc_close();
// Queues a read whose bytes reach destination at the next successful ipc_process.
int ipc_read(std::uint32_t offset, std::uint32_t size, void* destination, int& result);
// Queues a write; the size bytes at source are copied into the buffer at once.
int ipc_write(std::uint32_t offset, std::uint32_t size, const void* source, int& result);
// Sends everything queued, waits for the server and delivers the reads.
int ipc_process(int& result);
