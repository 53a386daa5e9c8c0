#include "tests/audio/wav_builder.h"

namespace audio_test {

std::string u16(std::uint32_t value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF)};
}

std::string u32(std::uint32_t value) {
  return u16(value & 0xFFFF) + u16(value >> 16);
}

std::string chunk(std::string_view id, std::string_view body,
                  std::optional<std::uint32_t> declared_size) {
  std::string bytes(id);
  bytes += u32(declared_size.value_or(static_cast<std::uint32_t>(body.size())));
  bytes += body;
  if (body.size() % 2 != 0) bytes += '\0';
  return bytes;
}

std::string riff(std::string_view form_type, std::string_view chunks) {
  return chunk("RIFF", std::string(form_type) + std::string(chunks));
}

std::string format_head(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                        std::uint16_t bits) {
  const std::uint32_t block = channels * bits / 8;
  return u16(tag) + u16(channels) + u32(rate) + u32(rate * block) + u16(block) + u16(bits);
}

std::string pcm_wave(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                     std::string_view samples) {
  return riff("WAVE", chunk("fmt ", format_head(1, channels, rate, bits)) + chunk("data", samples));
}

std::string sample_bytes(std::size_t count, unsigned seed) {
  std::string bytes(count, '\0');
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>((i * 7 + seed * 31) % 251);
  return bytes;
}

}  // namespace audio_test
