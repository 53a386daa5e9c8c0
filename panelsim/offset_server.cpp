#include "panelsim/offset_server.h"

#include <algorithm>

namespace panelsim {
namespace {

constexpr std::uint32_t kOffsetRange = 0x10000;
constexpr std::uint32_t kFirstRecord = 4;  // after the sender tag
constexpr std::uint32_t kEnd = 0;
constexpr std::uint32_t kRead = 1;
constexpr std::uint32_t kWrite = 2;
constexpr std::uint32_t kReadHeader = 16;   // kind, offset, size, destination
constexpr std::uint32_t kWriteHeader = 12;  // kind, offset, size
// The longest records a client sends: its 0x7F00 usable bytes less the tag and the terminator.
constexpr WPARAM kLongestRecords = 0x7F00 - 8;

std::uint32_t word_at(const std::byte* at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= std::to_integer<std::uint32_t>(at[i]) << (8 * i);
  return value;
}

struct Record {
  std::uint32_t kind;
  std::uint32_t offset;
  std::span<std::byte> data;
};

// Calls visit for each record from the first to a kind of 0 or the end of the records, and
// tells whether they were well formed: known kinds, each wholly inside the records.
template <class Visit>
bool walk_records(std::span<std::byte> records, Visit visit) {
  std::size_t at = 0;
  while (at < records.size()) {
    const std::size_t left = records.size() - at;
    if (left < 4) return false;
    const std::uint32_t kind = word_at(&records[at]);
    if (kind == kEnd) return true;
    if (kind != kRead && kind != kWrite) return false;
    const std::uint32_t header = kind == kRead ? kReadHeader : kWriteHeader;
    if (left < header) return false;
    const std::uint32_t size = word_at(&records[at + 8]);
    if (size > left - header) return false;
    visit(Record{.kind = kind,
                 .offset = word_at(&records[at + 4]),
                 .data = records.subspan(at + header, size)});
    at += header + size;
  }
  return true;
}

constexpr const char* kServerClass = "UIPCMAIN";

LRESULT CALLBACK offset_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != kOffsetRequestMessage) return DefWindowProcA(window, message, wparam, lparam);
  auto* handler = reinterpret_cast<OffsetRequestHandler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return handler != nullptr ? handler->answer(wparam, lparam) : 0;
}

#if defined(_WIN32)
// The window class is registered while at least one server window exists.
int open_server_windows = 0;

HWND create_server_window() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (open_server_windows == 0) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = offset_window_procedure;
    window_class.hInstance = instance;
    window_class.lpszClassName = kServerClass;
    if (RegisterClassA(&window_class) == 0) return nullptr;
  }
  // A hidden top-level window: FindWindowExA with no parent does not see message-only windows.
  HWND window = CreateWindowExA(0, kServerClass, kServerClass, WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, instance, nullptr);
  if (window != nullptr) {
    ++open_server_windows;
  } else if (open_server_windows == 0) {
    UnregisterClassA(kServerClass, instance);
  }
  return window;
}

void destroy_server_window(HWND window) {
  DestroyWindow(window);
  if (--open_server_windows == 0) UnregisterClassA(kServerClass, GetModuleHandleA(nullptr));
}
#else
HWND create_server_window() {
  return platform::register_window(kServerClass, kServerClass, offset_window_procedure);
}

void destroy_server_window(HWND window) {
  platform::unregister_window(window);
}
#endif

}  // namespace

OffsetStore::OffsetStore() : bytes_(kOffsetRange) {
  put_word(kServerVersionOffset, kServerVersion);
  put_word(kIdentityOffset, kIdentity);
}

void OffsetStore::put_word(std::uint32_t offset, std::uint32_t value) {
  for (std::uint32_t i = 0; i < 4; ++i)
    bytes_[offset + i] = static_cast<std::byte>(value >> (8 * i));
}

void OffsetStore::read(std::uint32_t offset, std::span<std::byte> into) {
  std::ranges::fill(into, std::byte{0});
  if (offset >= kOffsetRange) return;
  const std::size_t count = std::min<std::size_t>(into.size(), kOffsetRange - offset);
  std::copy_n(bytes_.begin() + offset, count, into.begin());
}

void OffsetStore::write(std::uint32_t offset, std::span<const std::byte> from) {
  if (offset == kClientVersionOffset && from.size() == 2) {
    client_version_ = static_cast<std::uint16_t>(std::to_integer<unsigned>(from[0]) |
                                                 std::to_integer<unsigned>(from[1]) << 8);
    return;
  }
  for (std::size_t i = 0; i < from.size() && offset + i < kOffsetRange; ++i) {
    const std::size_t at = offset + i;
    const bool servers_own = at >= kServerVersionOffset && at < kIdentityOffset + 4;
    if (!servers_own) bytes_[at] = from[i];
  }
}

LRESULT OffsetServer::answer(WPARAM records_length, LPARAM buffer) {
  if (buffer == 0 || records_length > kLongestRecords) return 0;
  const std::span<std::byte> records(reinterpret_cast<std::byte*>(buffer) + kFirstRecord,
                                     records_length);
  // Checked whole before anything is applied, so a refused buffer changes nothing.
  if (!walk_records(records, [](const Record&) {})) return 0;
  walk_records(records, [this](const Record& record) {
    if (record.kind == kRead) {
      values_.read(record.offset, record.data);
    } else {
      values_.write(record.offset, record.data);
    }
    if (observer_) {
      observer_(OffsetAccess{.is_write = record.kind == kWrite,
                             .offset = record.offset,
                             .bytes = {record.data.begin(), record.data.end()}});
    }
  });
  return 1;
}

OffsetServerWindow::OffsetServerWindow(OffsetRequestHandler& handler)
    : window_(create_server_window()) {
  if (window_ != nullptr) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handler));
  }
}

OffsetServerWindow::~OffsetServerWindow() {
  if (window_ != nullptr) destroy_server_window(window_);
}

}  // namespace panelsim
