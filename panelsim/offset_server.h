#pragma once
// The offset server panelsim hosts for the catapult. It answers message 0x0482 of its window of
// class "UIPCMAIN" by walking the caller's request buffer in place: each read record is filled
// from the simulator's values, each write record is applied to them, and the walk ends at a
// kind of 0. A buffer whose records are malformed is refused with 0 and left untouched.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <type_traits>
#include <vector>

#include "platform/windows_api.h"

namespace panelsim {

inline constexpr UINT kOffsetRequestMessage = 0x0482;

// The simulator values the server reaches by numeric offset; the simulator model implements it.
class OffsetValues {
 public:
  virtual ~OffsetValues() = default;
  virtual void read(std::uint32_t offset, std::span<std::byte> into) = 0;
  virtual void write(std::uint32_t offset, std::span<const std::byte> from) = 0;
};

// A plain store of the 64 KiB offset range, zero where nothing was written, preset with the
// version and identity the client checks. The version and identity words (0x3304 to 0x330B) are
// the server's own and read-only: the client's version, written to 0x330A, overlaps the identity
// word and is kept apart. Beyond the range reads give zeros and writes vanish.
class OffsetStore final : public OffsetValues {
 public:
  static constexpr std::uint32_t kServerVersionOffset = 0x3304;
  static constexpr std::uint32_t kIdentityOffset = 0x3308;
  static constexpr std::uint32_t kClientVersionOffset = 0x330A;
  static constexpr std::uint32_t kServerVersion = 0x19980005;
  static constexpr std::uint32_t kIdentity = 0xFADE0008;  // offset server mark, simulator 8

  OffsetStore();
  void read(std::uint32_t offset, std::span<std::byte> into) override;
  void write(std::uint32_t offset, std::span<const std::byte> from) override;

  // What the last client wrote to 0x330A, 0 before any client.
  std::uint16_t client_version() const { return client_version_; }
  // Presets the server's own words, which writes through the server cannot change.
  void set_server_version(std::uint32_t version) { put_word(kServerVersionOffset, version); }
  void set_identity(std::uint32_t identity) { put_word(kIdentityOffset, identity); }

  // Typed access in the machine's byte order, for tests and presets.
  template <class T>
  T get(std::uint32_t offset) {
    static_assert(std::is_trivially_copyable_v<T>);
    T value{};
    read(offset, std::as_writable_bytes(std::span(&value, 1)));
    return value;
  }
  template <class T>
  void set(std::uint32_t offset, T value) {
    static_assert(std::is_trivially_copyable_v<T>);
    write(offset, std::as_bytes(std::span(&value, 1)));
  }

 private:
  void put_word(std::uint32_t offset, std::uint32_t value);

  std::vector<std::byte> bytes_;
  std::uint16_t client_version_ = 0;
};

// One record the server answered, for the trace.
struct OffsetAccess {
  bool is_write = false;
  std::uint32_t offset = 0;
  std::vector<std::byte> bytes;  // the value read or written
};

// What answers message 0x0482: the server, or a test's stand-in for a faulty one.
class OffsetRequestHandler {
 public:
  virtual ~OffsetRequestHandler() = default;
  // records_length: the byte length of the records alone; buffer: the request buffer's address.
  virtual LRESULT answer(WPARAM records_length, LPARAM buffer) = 0;
};

class OffsetServer final : public OffsetRequestHandler {
 public:
  explicit OffsetServer(OffsetValues& values) : values_(values) {}
  // 1 when every record was answered; 0, with nothing read or applied, for a malformed buffer.
  LRESULT answer(WPARAM records_length, LPARAM buffer) override;
  void on_access(std::function<void(const OffsetAccess&)> observer) {
    observer_ = std::move(observer);
  }

 private:
  OffsetValues& values_;
  std::function<void(const OffsetAccess&)> observer_;
};

// Hosts a handler under a window of class "UIPCMAIN" while it lives: natively in the platform's
// window registry, on Windows as a real hidden top-level window of this process, which
// FindWindowExA finds and SendMessageA reaches on the same thread. handle() is null when the
// window could not be created.
class OffsetServerWindow {
 public:
  explicit OffsetServerWindow(OffsetRequestHandler& handler);
  ~OffsetServerWindow();
  OffsetServerWindow(const OffsetServerWindow&) = delete;
  OffsetServerWindow& operator=(const OffsetServerWindow&) = delete;

  HWND handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace panelsim
