#pragma once
// Builds RIFF files byte by byte, so each test states exactly the file it reads.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace audio_test {

std::string u16(std::uint32_t value);
std::string u32(std::uint32_t value);

// A chunk: id, size, body and the pad byte after an odd-sized body. declared_size replaces
// the size field when a test needs a chunk that lies about its size.
std::string chunk(std::string_view id, std::string_view body,
                  std::optional<std::uint32_t> declared_size = std::nullopt);
// A "RIFF" chunk of the given form type holding the given chunks.
std::string riff(std::string_view form_type, std::string_view chunks);

// The 16-byte head of a "fmt " chunk; block alignment and byte rate follow from the rest.
std::string format_head(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                        std::uint16_t bits);
// A whole PCM WAVE file.
std::string pcm_wave(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                     std::string_view samples);
// Recognisable sample bytes: no two neighbours equal, different for each seed.
std::string sample_bytes(std::size_t count, unsigned seed = 1);

}  // namespace audio_test
