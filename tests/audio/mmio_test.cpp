// The multimedia file services as the reader relies on them; the same cases run against our
// stand-in and against the system's own under Windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windows_api.h"
#include "tests/audio/test_support.h"
#include "tests/audio/wav_builder.h"

namespace {

using namespace audio_test;

// 66 bytes: RIFF header (12), an odd-sized chunk (8 + 3 + pad), "fmt " (8 + 16), "data" (8 + 10).
const std::string kFile =
    riff("WAVE", chunk("odd!", "abc") + chunk("fmt ", format_head(1, 1, 8000, 8)) +
                     chunk("data", sample_bytes(10)));
constexpr LONG kFileSize = 66;

class Mmio : public ::testing::Test {
 protected:
  void TearDown() override {
    if (file_) mmioClose(file_, 0);
  }

  HMMIO open(DWORD flags, MMIOINFO* info = nullptr) {
    file_ = mmioOpenA(const_cast<LPSTR>(path_.c_str()), info, flags);
    return file_;
  }
  LONG position() const { return mmioSeek(file_, 0, SEEK_CUR); }

  FixtureFolder folder_{"mmio_fixtures"};
  const std::string path_ = folder_.write("chunks.wav", kFile);
  HMMIO file_ = nullptr;
};

TEST_F(Mmio, MissingFileAnswersFileNotFound) {
  MMIOINFO info{};
  const std::string missing = folder_.name() + "\\missing.wav";
  EXPECT_EQ(mmioOpenA(const_cast<LPSTR>(missing.c_str()), &info, MMIO_ALLOCBUF), nullptr);
  EXPECT_EQ(info.wErrorRet, MMIOERR_FILENOTFOUND);
}

TEST_F(Mmio, BufferedReadingHandsOutTheIoBuffer) {
  ASSERT_NE(open(MMIO_ALLOCBUF | MMIO_READ), nullptr);
  MMIOINFO info{};
  ASSERT_EQ(mmioGetInfo(file_, &info, 0), MMSYSERR_NOERROR);
  EXPECT_EQ(info.fccIOProc, FOURCC_DOS);
  EXPECT_EQ(info.cchBuffer, 8192);
  EXPECT_EQ(info.pchNext, info.pchBuffer);
  EXPECT_EQ(info.pchEndRead, info.pchBuffer) << "nothing is read before the first advance";

  ASSERT_EQ(mmioAdvance(file_, &info, MMIO_READ), MMSYSERR_NOERROR);
  ASSERT_EQ(info.pchEndRead - info.pchBuffer, kFileSize);
  EXPECT_EQ(std::string(info.pchBuffer, kFileSize), kFile);
  EXPECT_EQ(info.lDiskOffset, kFileSize);

  info.pchNext += 20;
  ASSERT_EQ(mmioSetInfo(file_, &info, 0), MMSYSERR_NOERROR);
  EXPECT_EQ(position(), 20);
  info.pchNext = info.pchEndRead;
  ASSERT_EQ(mmioAdvance(file_, &info, MMIO_READ), MMSYSERR_NOERROR) << "the end is no error";
  EXPECT_EQ(info.pchNext, info.pchEndRead) << "but nothing more comes in";
}

TEST_F(Mmio, AskedBufferSizeIsKept) {
  MMIOINFO asked{.cchBuffer = 4};
  ASSERT_NE(open(MMIO_ALLOCBUF | MMIO_READ, &asked), nullptr);
  MMIOINFO info{};
  ASSERT_EQ(mmioGetInfo(file_, &info, 0), MMSYSERR_NOERROR);
  EXPECT_EQ(info.cchBuffer, 4);
  ASSERT_EQ(mmioAdvance(file_, &info, MMIO_READ), MMSYSERR_NOERROR);
  EXPECT_EQ(std::string(info.pchBuffer, info.pchEndRead), "RIFF");
}

TEST_F(Mmio, UnbufferedFileCannotAdvance) {
  ASSERT_NE(open(MMIO_READ), nullptr);
  MMIOINFO info{};
  ASSERT_EQ(mmioGetInfo(file_, &info, 0), MMSYSERR_NOERROR);
  EXPECT_EQ(info.pchBuffer, nullptr);
  EXPECT_EQ(info.cchBuffer, 0);
  EXPECT_EQ(mmioAdvance(file_, &info, MMIO_READ), MMIOERR_UNBUFFERED);
  char bytes[4];
  EXPECT_EQ(mmioRead(file_, bytes, 4), 4);
  EXPECT_EQ(std::string(bytes, 4), "RIFF");
}

TEST_F(Mmio, SeekMovesInsideTheBufferOrEmptiesIt) {
  ASSERT_NE(open(MMIO_ALLOCBUF | MMIO_READ), nullptr);
  EXPECT_EQ(mmioSeek(file_, 0, SEEK_END), kFileSize);
  EXPECT_EQ(mmioSeek(file_, -1, SEEK_SET), -1);
  EXPECT_EQ(mmioSeek(file_, 1000, SEEK_SET), 1000) << "a disk file may stand past its end";
  char bytes[8];
  EXPECT_EQ(mmioRead(file_, bytes, 8), 0);

  ASSERT_EQ(mmioSeek(file_, 20, SEEK_SET), 20);
  ASSERT_EQ(mmioRead(file_, bytes, 4), 4);
  EXPECT_EQ(std::string(bytes, 4), std::string("abc\0", 4)) << "the odd chunk and its pad";
  MMIOINFO info{};
  ASSERT_EQ(mmioSeek(file_, 30, SEEK_SET), 30);
  mmioGetInfo(file_, &info, 0);
  EXPECT_EQ(info.lBufOffset, 20) << "the buffer filled at 20 still holds 30";
  EXPECT_EQ(info.pchNext - info.pchBuffer, 10);
  ASSERT_EQ(mmioSeek(file_, 4, SEEK_SET), 4);
  mmioGetInfo(file_, &info, 0);
  EXPECT_EQ(info.lBufOffset, 4);
  EXPECT_EQ(info.pchNext, info.pchEndRead) << "a seek out of the buffer empties it";
}

TEST_F(Mmio, DescendFindsChunksAndAscendSkipsThePadByte) {
  ASSERT_NE(open(MMIO_ALLOCBUF | MMIO_READ), nullptr);
  MMCKINFO riff_chunk{};
  ASSERT_EQ(mmioDescend(file_, &riff_chunk, nullptr, 0), MMSYSERR_NOERROR);
  EXPECT_EQ(riff_chunk.ckid, FOURCC_RIFF);
  EXPECT_EQ(riff_chunk.cksize, static_cast<DWORD>(kFileSize - 8));
  EXPECT_EQ(riff_chunk.fccType, mmioFOURCC('W', 'A', 'V', 'E'));
  EXPECT_EQ(riff_chunk.dwDataOffset, 8u) << "a RIFF chunk's data starts with its form type";
  EXPECT_EQ(position(), 12);

  MMCKINFO odd{};
  ASSERT_EQ(mmioDescend(file_, &odd, nullptr, 0), MMSYSERR_NOERROR);
  EXPECT_EQ(odd.ckid, mmioFOURCC('o', 'd', 'd', '!'));
  EXPECT_EQ(odd.cksize, 3u);
  EXPECT_EQ(odd.dwDataOffset, 20u);
  ASSERT_EQ(mmioAscend(file_, &odd, 0), MMSYSERR_NOERROR);
  EXPECT_EQ(position(), 24) << "past the pad byte";

  MMCKINFO data{.ckid = mmioFOURCC('d', 'a', 't', 'a')};
  ASSERT_EQ(mmioDescend(file_, &data, &riff_chunk, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
  EXPECT_EQ(data.cksize, 10u);
  EXPECT_EQ(data.dwDataOffset, 56u);
  EXPECT_EQ(position(), 56);
  ASSERT_EQ(mmioAscend(file_, &data, 0), MMSYSERR_NOERROR);
  EXPECT_EQ(position(), kFileSize);
}

TEST_F(Mmio, SearchesThatFindNothingAnswerChunkNotFound) {
  ASSERT_NE(open(MMIO_ALLOCBUF | MMIO_READ), nullptr);
  MMCKINFO riff_chunk{.fccType = mmioFOURCC('W', 'A', 'V', 'E')};
  ASSERT_EQ(mmioDescend(file_, &riff_chunk, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
  EXPECT_EQ(position(), 12);

  MMCKINFO absent{.ckid = mmioFOURCC('z', 'z', 'z', 'z')};
  EXPECT_EQ(mmioDescend(file_, &absent, &riff_chunk, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);
  EXPECT_EQ(position(), kFileSize) << "the search stops at the parent's end";
  EXPECT_EQ(absent.ckid, mmioFOURCC('d', 'a', 't', 'a')) << "the record holds the last header";
  mmioSeek(file_, 12, SEEK_SET);
  MMCKINFO absent_again{.ckid = mmioFOURCC('z', 'z', 'z', 'z')};
  EXPECT_EQ(mmioDescend(file_, &absent_again, nullptr, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);

  mmioSeek(file_, 0, SEEK_SET);
  MMCKINFO avi{.fccType = mmioFOURCC('A', 'V', 'I', ' ')};
  EXPECT_EQ(mmioDescend(file_, &avi, nullptr, MMIO_FINDRIFF), MMIOERR_CHUNKNOTFOUND);
  MMCKINFO any{};
  mmioSeek(file_, kFileSize - 3, SEEK_SET);
  EXPECT_EQ(mmioDescend(file_, &any, nullptr, 0), MMIOERR_CHUNKNOTFOUND) << "a cut header";
  EXPECT_EQ(position(), kFileSize - 3) << "the file goes back to where the header began";
  mmioSeek(file_, 0, SEEK_END);
  EXPECT_EQ(mmioDescend(file_, &any, nullptr, 0), MMIOERR_CHUNKNOTFOUND);
}

TEST_F(Mmio, MemoryFileIsTheCallersBuffer) {
  std::vector<char> bytes(kFile.begin(), kFile.end());
  // Opened the way the click sounds open their resources: read-write, with MMIO_ALLOCBUF.
  for (DWORD flags : {MMIO_READ, MMIO_READWRITE | MMIO_ALLOCBUF}) {
    SCOPED_TRACE(flags);
    MMIOINFO request{.fccIOProc = FOURCC_MEM, .cchBuffer = kFileSize, .pchBuffer = bytes.data()};
    HMMIO memory = mmioOpenA(nullptr, &request, flags);
    ASSERT_NE(memory, nullptr);
    MMIOINFO info{};
    ASSERT_EQ(mmioGetInfo(memory, &info, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(info.pchBuffer, bytes.data());
    EXPECT_EQ(info.pchNext, bytes.data());
    EXPECT_EQ(info.pchEndRead, bytes.data() + kFileSize);

    EXPECT_EQ(mmioSeek(memory, kFileSize, SEEK_SET), kFileSize);
    EXPECT_EQ(mmioSeek(memory, kFileSize + 1, SEEK_SET), -1) << "no standing past its end";
    mmioSeek(memory, 0, SEEK_SET);
    MMCKINFO riff_chunk{};
    ASSERT_EQ(mmioDescend(memory, &riff_chunk, nullptr, 0), MMSYSERR_NOERROR);
    MMCKINFO data{.ckid = mmioFOURCC('d', 'a', 't', 'a')};
    ASSERT_EQ(mmioDescend(memory, &data, &riff_chunk, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    char got[16];
    EXPECT_EQ(mmioRead(memory, got, 16), 10);
    EXPECT_EQ(std::string(got, 10), sample_bytes(10));

    mmioGetInfo(memory, &info, 0);
    EXPECT_EQ(mmioAdvance(memory, &info, MMIO_READ), MMSYSERR_NOERROR);
    EXPECT_EQ(info.pchNext, info.pchEndRead) << "its end is the end of the buffer";
    EXPECT_EQ(mmioClose(memory, 0), MMSYSERR_NOERROR);
  }
}

}  // namespace
