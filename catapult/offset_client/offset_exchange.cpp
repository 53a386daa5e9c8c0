// Sending the queued records to the offset server and delivering the answers of the reads.
#include <cstring>

#include "catapult/offset_client/offset_client.h"
#include "catapult/offset_client/request_records.h"

namespace {

using namespace offset_records;

// The address this returns to lies inside its caller, so the sending operation can tag the
// buffer with a code address of its own.
[[gnu::noinline]] std::uint32_t code_address_in_caller() {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
}

bool answer_matches(const std::byte* record, const PendingRead& read) {
  return load_word(record) == kRead && load_word(record + 8) == read.size &&
         load_word(record + 12) ==
             static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(read.destination));
}

// Walks the answered records up to the terminator at end and copies each read's bytes to the
// variable it was queued for. A record that runs past end, which only a faulty server leaves,
// ends the walk; so does an unknown kind, which is cleared first as the end mark.
void deliver_reads(OffsetClientState& client, std::uint32_t end) {
  std::byte* buffer = client.buffer;
  std::size_t next_pending = 0;
  std::uint32_t at = kFirstRecord;
  while (at <= end) {
    const std::uint32_t kind = load_word(buffer + at);
    if (kind == kEnd) return;
    if (kind != kRead && kind != kWrite) {
      store_word(buffer + at, kEnd);
      return;
    }
    const std::uint32_t header = kind == kRead ? kReadHeader : kWriteHeader;
    if (end - at < header) return;
    const std::uint32_t size = load_word(buffer + at + 8);
    if (size > end - at - header) return;
    if (kind == kRead) {
      while (next_pending < client.pending_count &&
             client.pending[next_pending].record_offset < at) {
        ++next_pending;
      }
      if (next_pending < client.pending_count) {
        const PendingRead& read = client.pending[next_pending];
        if (read.record_offset == at && read.destination != nullptr && read.size != 0 &&
            answer_matches(buffer + at, read)) {
          std::memcpy(read.destination, buffer + at + kReadHeader, read.size);
        }
      }
    }
    at += header + size;
  }
}

}  // namespace

int ipc_process(int& result) {
  OffsetClientState& client = offset_client_state();
  if (client.buffer == nullptr) {
    result = ipc_result::kNotOpen;
    return 0;
  }
  if (client.next <= client.buffer + kFirstRecord) {
    result = ipc_result::kNothingQueued;
    return 0;
  }
  const auto end = static_cast<std::uint32_t>(client.next - client.buffer);
  store_word(client.next, kEnd);
  store_word(client.buffer, code_address_in_caller());

  const LRESULT answer = SendMessageA(client.server_window, kOffsetServerMessage,
                                      end - kFirstRecord, reinterpret_cast<LPARAM>(client.buffer));
  client.next = client.buffer + kFirstRecord;
  if (answer != 1) {
    client.pending_count = 0;
    result = ipc_result::kServerFailed;
    return 0;
  }
  deliver_reads(client, end);
  client.pending_count = 0;
  result = ipc_result::kOk;
  return 1;
}
