#pragma once
// The offset server's values for the simulated aircraft: the hold word (0x0BC8), the speed in
// ft/s (0x3090, a double) and the acceleration in ft/s² (0x3070, a double) are the model's own;
// every other offset, the server's version and identity among them, lives in a plain store.
#include "panelsim/offset_server.h"
#include "panelsim/sim_model.h"

namespace panelsim {

class AircraftOffsets final : public OffsetValues {
 public:
  static constexpr std::uint32_t kHoldOffset = 0x0BC8;
  static constexpr std::uint32_t kAccelerationOffset = 0x3070;
  static constexpr std::uint32_t kSpeedOffset = 0x3090;

  explicit AircraftOffsets(SimModel& model) : model_(model) {}
  void read(std::uint32_t offset, std::span<std::byte> into) override;
  void write(std::uint32_t offset, std::span<const std::byte> from) override;

  OffsetStore& store() { return store_; }

 private:
  void copy_model_to_store();

  SimModel& model_;
  OffsetStore store_;
};

// A trace line for one record the server answered: "offset" with access (read or write), the
// offset in hex and the value (words as numbers, 8 bytes as a double, anything else in hex).
nlohmann::json offset_access_event(const OffsetAccess& access);

}  // namespace panelsim
