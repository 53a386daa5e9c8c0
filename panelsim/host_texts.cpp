#include "panelsim/host_texts.h"

#include "panelsim/text_util.h"

namespace panelsim {
namespace {

struct Text {
  std::int32_t id;
  const char* text;
};

constexpr Text kHelpTexts[] = {
    {0xAB86, "Toggle the radio stack window"},
    {0xAB87, "Toggle the GPS window"},
    {0xAB88, "Toggle the throttle quadrant window"},
    {0xAB89, "Toggle the compass window"},
    {0xAB8A, "Toggle the fuel window"},
    {0xAB8B, "Toggle the collective window"},
    {0xAB8F, "Map"},
    {0xAB93, "Kneeboard"},
    {0xAB94, "Air traffic control"},
};

constexpr Text kTooltipTexts[] = {
    {0x3009, "Radio altimeter height"},
    {0x300B, "Decision height setting"},
};

std::string lookup(const Text* begin, const Text* end, std::int32_t id, const char* kind) {
  if (id == 0) return "";
  for (const Text* t = begin; t != end; ++t) {
    if (t->id == id) return t->text;
  }
  return std::string(kind) + " " + hex(static_cast<std::uint32_t>(id));
}

}  // namespace

std::string help_text(std::int32_t id) {
  return lookup(std::begin(kHelpTexts), std::end(kHelpTexts), id, "help");
}

std::string tooltip_id_text(std::int32_t id) {
  return lookup(std::begin(kTooltipTexts), std::end(kTooltipTexts), id, "tool-tip");
}

}  // namespace panelsim
