#include "panelsim/aircraft_offsets.h"

#include <cstring>

#include "panelsim/text_util.h"

namespace panelsim {
namespace {

// Whether a request of size bytes at offset touches the field of field_size bytes at field.
bool touches(std::uint32_t offset, std::size_t size, std::uint32_t field, std::size_t field_size) {
  return offset < field + field_size && field < offset + size;
}

template <class T>
T value_of(const std::vector<std::byte>& bytes) {
  T value{};
  std::memcpy(&value, bytes.data(), sizeof value);
  return value;
}

}  // namespace

nlohmann::json offset_access_event(const OffsetAccess& access) {
  nlohmann::json line = {{"event", "offset"},
                         {"access", access.is_write ? "write" : "read"},
                         {"offset", hex(access.offset)}};
  const auto& bytes = access.bytes;
  if (bytes.size() == 2) {
    line["value"] = value_of<std::uint16_t>(bytes);
  } else if (bytes.size() == 4) {
    line["value"] = value_of<std::uint32_t>(bytes);
  } else if (bytes.size() == 8) {
    line["value"] = value_of<double>(bytes);
  } else {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::byte b : bytes) {
      text += kDigits[std::to_integer<unsigned>(b) >> 4];
      text += kDigits[std::to_integer<unsigned>(b) & 0xF];
    }
    line["bytes"] = text;
  }
  return line;
}

// The model's fields are copied into the store around every request, so a request that covers
// part of a field, or several fields at once, sees the same bytes as the aircraft.
void AircraftOffsets::copy_model_to_store() {
  store_.set<std::uint16_t>(kHoldOffset, model_.hold_word());
  store_.set<double>(kAccelerationOffset, model_.aircraft_acceleration());
  store_.set<double>(kSpeedOffset, model_.aircraft_speed());
}

void AircraftOffsets::read(std::uint32_t offset, std::span<std::byte> into) {
  copy_model_to_store();
  store_.read(offset, into);
}

void AircraftOffsets::write(std::uint32_t offset, std::span<const std::byte> from) {
  copy_model_to_store();
  store_.write(offset, from);
  const std::string by = "offset server";
  if (touches(offset, from.size(), kHoldOffset, 2)) {
    model_.set_hold_word(store_.get<std::uint16_t>(kHoldOffset), by);
  }
  if (touches(offset, from.size(), kAccelerationOffset, 8)) {
    model_.set_aircraft_acceleration(store_.get<double>(kAccelerationOffset));
  }
  if (touches(offset, from.size(), kSpeedOffset, 8)) {
    model_.set_aircraft_speed(store_.get<double>(kSpeedOffset), by);
  }
}

}  // namespace panelsim
