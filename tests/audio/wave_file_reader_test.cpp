#include "audio/wave_file_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/audio/test_support.h"
#include "tests/audio/wav_builder.h"

namespace {

using audio::WaveFileReader;
using namespace audio_test;

// The format record as the reader must build it: the chunk's 16-byte head, cbSize and extras.
std::string record(const std::string& head, const std::string& extra = "") {
  return head + u16(static_cast<std::uint32_t>(extra.size())) + extra;
}

std::string record_of(const WaveFileReader& reader) {
  if (!reader.format) return {};
  const auto* bytes = reinterpret_cast<const char*>(reader.format.get());
  return std::string(bytes, 18 + reader.format->cbSize);
}

std::string read_all(WaveFileReader& reader, HRESULT& result) {
  std::vector<std::uint8_t> bytes(reader.data_chunk.cksize);
  std::uint32_t actual = 12345;
  result = reader.read(static_cast<std::uint32_t>(bytes.size()), bytes.data(), actual);
  return std::string(bytes.begin(), bytes.begin() + actual);
}

struct ReaderCase {
  const char* name;
  std::string file;
  bool opens;
  std::string format;  // the expected record, when it opens
  std::string data;    // the expected data bytes, when it opens
};

void PrintTo(const ReaderCase& c, std::ostream* out) { *out << c.name; }

const std::string kPcm8Mono = format_head(1, 1, 8000, 8);
const std::string kPcm16Stereo = format_head(1, 2, 44100, 16);
const std::string kAdpcmHead = format_head(2, 2, 22050, 4);
const std::string kAdpcmExtra = sample_bytes(32, 9);
const std::string kData = sample_bytes(101, 3);  // odd: the chunk carries a pad byte

std::vector<ReaderCase> reader_cases() {
  return {
      {"Pcm8Mono", pcm_wave(1, 8000, 8, kData), true, record(kPcm8Mono), kData},
      {"Pcm16Mono", pcm_wave(1, 22050, 16, kData), true, record(format_head(1, 1, 22050, 16)),
       kData},
      {"Pcm8Stereo", pcm_wave(2, 11025, 8, kData), true, record(format_head(1, 2, 11025, 8)),
       kData},
      {"Pcm16Stereo", pcm_wave(2, 44100, 16, kData), true, record(kPcm16Stereo), kData},
      // An 18-byte PCM chunk: its own cbSize is not read, the record says 0.
      {"PcmFormatOf18Bytes",
       riff("WAVE", chunk("fmt ", kPcm16Stereo + u16(0x1234)) + chunk("data", kData)), true,
       record(kPcm16Stereo), kData},
      // Non-PCM: cbSize extra bytes come into the record.
      {"FormatTag2WithExtraBytes",
       riff("WAVE", chunk("fmt ", kAdpcmHead + u16(32) + kAdpcmExtra) + chunk("fact", u32(2000)) +
                        chunk("data", kData)),
       true, record(kAdpcmHead, kAdpcmExtra), kData},
      {"DataBeforeFormat", riff("WAVE", chunk("data", kData) + chunk("fmt ", kPcm8Mono)), true,
       record(kPcm8Mono), kData},
      {"ListAndOddChunkBeforeData",
       riff("WAVE", chunk("LIST", "INFOISFT" + u32(5) + "tool\0") + chunk("fmt ", kPcm8Mono) +
                        chunk("odd ", "abc") + chunk("data", kData)),
       true, record(kPcm8Mono), kData},
      {"FormatUnder16Bytes",
       riff("WAVE", chunk("fmt ", kPcm8Mono.substr(0, 14)) + chunk("data", kData)), false},
      {"NoDataChunk", riff("WAVE", chunk("fmt ", kPcm8Mono)), false},
      // The file ends inside the 32 extra format bytes it announces.
      {"EndsInsideExtraFormatBytes",
       riff("WAVE", "fmt " + u32(50) + kAdpcmHead + u16(32) + kAdpcmExtra.substr(0, 10)), false},
      {"NotRiff", "RIFX" + pcm_wave(1, 8000, 8, kData).substr(4), false},
      {"RiffButNotWave", riff("AVI ", chunk("fmt ", kPcm8Mono) + chunk("data", kData)), false},
  };
}

class ReaderFiles : public ::testing::TestWithParam<ReaderCase> {
 protected:
  FixtureFolder folder_{"reader_fixtures"};
};

TEST_P(ReaderFiles, OpensChecksAndReads) {
  const ReaderCase& c = GetParam();
  WaveFileReader reader;
  const HRESULT opened = reader.open(folder_.write("case.wav", c.file).c_str());
  if (!c.opens) {
    EXPECT_EQ(opened, E_FAIL);
    EXPECT_EQ(reader.format, nullptr);
    EXPECT_EQ(reader.file, nullptr);
    return;
  }
  ASSERT_EQ(opened, S_OK);
  EXPECT_EQ(record_of(reader), c.format);
  EXPECT_EQ(reader.data_chunk.cksize, c.data.size());
  HRESULT read = E_FAIL;
  EXPECT_EQ(read_all(reader, read), c.data);
  EXPECT_EQ(read, S_OK);
  EXPECT_EQ(reader.data_chunk.cksize, 0u);
}

INSTANTIATE_TEST_SUITE_P(Table, ReaderFiles, ::testing::ValuesIn(reader_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

class Reader : public ::testing::Test {
 protected:
  FixtureFolder folder_{"reader_fixtures"};
};

TEST_F(Reader, MissingFileFailsToOpen) {
  WaveFileReader reader;
  EXPECT_EQ(reader.open((folder_.name() + "\\absent.wav").c_str()), E_FAIL);
  EXPECT_EQ(reader.open(nullptr), E_FAIL);
  EXPECT_EQ(reader.format, nullptr);
}

TEST_F(Reader, ReadBeyondTheEndCopiesTheRestThenNothing) {
  const std::string data = sample_bytes(40);
  WaveFileReader reader;
  ASSERT_EQ(reader.open(folder_.write("short.wav", pcm_wave(1, 8000, 8, data)).c_str()), S_OK);
  std::vector<std::uint8_t> bytes(100, 0xEE);
  std::uint32_t actual = 0;
  ASSERT_EQ(reader.read(30, bytes.data(), actual), S_OK);
  EXPECT_EQ(actual, 30u);
  ASSERT_EQ(reader.read(100, bytes.data() + 30, actual), S_OK);
  EXPECT_EQ(actual, 10u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 40), data);
  EXPECT_EQ(bytes[40], 0xEE) << "nothing past the data chunk is copied";
  EXPECT_EQ(reader.read(100, bytes.data(), actual), S_OK);
  EXPECT_EQ(actual, 0u);
}

TEST_F(Reader, ResetStartsAgainAtTheFirstDataByte) {
  const std::string data = sample_bytes(64);
  WaveFileReader reader;
  ASSERT_EQ(reader.open(folder_.write("reset.wav", pcm_wave(1, 8000, 8, data)).c_str()), S_OK);
  std::vector<std::uint8_t> bytes(64);
  std::uint32_t actual = 0;
  ASSERT_EQ(reader.read(50, bytes.data(), actual), S_OK);
  ASSERT_EQ(reader.reset(), S_OK);
  EXPECT_EQ(reader.data_chunk.cksize, 64u);
  ASSERT_EQ(reader.read(64, bytes.data(), actual), S_OK);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), data);
}

// Larger than the I/O buffer, read in steps that straddle its refills.
TEST_F(Reader, ReadsAcrossBufferRefills) {
  const std::string data = sample_bytes(50000, 5);
  WaveFileReader reader;
  ASSERT_EQ(reader.open(folder_.write("long.wav", pcm_wave(2, 44100, 16, data)).c_str()), S_OK);
  std::string got;
  std::vector<std::uint8_t> step(3001);
  std::uint32_t actual = 0;
  do {
    ASSERT_EQ(reader.read(static_cast<std::uint32_t>(step.size()), step.data(), actual), S_OK);
    got.append(step.begin(), step.begin() + actual);
  } while (actual != 0);
  EXPECT_EQ(got, data);
}

TEST_F(Reader, DataLargerThanTheFileFailsWhenTheFileRunsOut) {
  const std::string data = sample_bytes(100);
  const std::string file =
      riff("WAVE", chunk("fmt ", format_head(1, 1, 8000, 8)) + chunk("data", data, 1000));
  WaveFileReader reader;
  ASSERT_EQ(reader.open(folder_.write("truncated.wav", file).c_str()), S_OK);
  ASSERT_EQ(reader.data_chunk.cksize, 1000u);
  std::vector<std::uint8_t> bytes(1000);
  std::uint32_t actual = 77;
  EXPECT_EQ(reader.read(1000, bytes.data(), actual), E_FAIL);
  EXPECT_EQ(actual, 0u);
  EXPECT_EQ(reader.data_chunk.cksize, 0u) << "the whole count is taken off before copying";
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 100), data) << "copied bytes stay";
  ASSERT_EQ(reader.reset(), S_OK);
  EXPECT_EQ(reader.data_chunk.cksize, 1000u);
}

TEST_F(Reader, OpeningAgainReplacesTheFirstFile) {
  WaveFileReader reader;
  ASSERT_EQ(reader.open(folder_.write("a.wav", pcm_wave(1, 8000, 8, sample_bytes(10))).c_str()),
            S_OK);
  const std::string second = sample_bytes(20, 2);
  ASSERT_EQ(reader.open(folder_.write("b.wav", pcm_wave(1, 8000, 16, second)).c_str()), S_OK);
  EXPECT_EQ(reader.format->wBitsPerSample, 16);
  HRESULT read = E_FAIL;
  EXPECT_EQ(read_all(reader, read), second);
  EXPECT_EQ(reader.close(), S_OK);
  EXPECT_EQ(reader.file, nullptr);
  std::uint32_t actual = 0;
  std::uint8_t byte = 0;
  EXPECT_EQ(reader.read(1, &byte, actual), E_FAIL) << "a closed reader reads nothing";
}

}  // namespace
