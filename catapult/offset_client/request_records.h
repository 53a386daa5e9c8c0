#pragma once
// The request buffer as the offset server reads it: a 4-byte sender tag, then read and write
// records back to back, then a 4-byte 0. Every field is a little-endian 32-bit word.
#include <cstddef>
#include <cstdint>

namespace offset_records {

inline constexpr std::uint32_t kEnd = 0;
inline constexpr std::uint32_t kRead = 1;
inline constexpr std::uint32_t kWrite = 2;

inline constexpr std::uint32_t kFirstRecord = 4;   // after the sender tag
inline constexpr std::uint32_t kReadHeader = 16;   // kind, offset, size, destination
inline constexpr std::uint32_t kWriteHeader = 12;  // kind, offset, size
// Room a record must leave before the usable end, on top of its data.
inline constexpr std::uint32_t kReadMargin = 24;
inline constexpr std::uint32_t kWriteMargin = 20;

inline void store_word(std::byte* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::byte>(value >> (8 * i));
}

inline std::uint32_t load_word(const std::byte* at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= std::to_integer<std::uint32_t>(at[i]) << (8 * i);
  return value;
}

}  // namespace offset_records
