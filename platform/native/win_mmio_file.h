#pragma once
// The state behind an HMMIO, shared by the file and the chunk functions of the native mmio
// stand-in. Not for module code.
#include <cstdint>
#include <memory>

#include "platform/native/win_mmio.h"

struct NativeMmioFile {
  NativeMmioFile() = default;
  NativeMmioFile(const NativeMmioFile&) = delete;
  NativeMmioFile& operator=(const NativeMmioFile&) = delete;
  ~NativeMmioFile();  // closes the disk file

  MMIOINFO info{};      // what mmioGetInfo hands out: the I/O buffer and its pointers
  int descriptor = -1;  // the open disk file, or -1 for a memory file
  // Bytes read ahead from a disk file, so that refilling a small I/O buffer is a copy rather
  // than a system call each time: the file's bytes from read_ahead_offset on.
  std::unique_ptr<char[]> read_ahead;
  std::int64_t read_ahead_offset = 0;
  std::size_t read_ahead_bytes = 0;
  std::unique_ptr<char[]> owned_buffer;  // an I/O buffer we allocated (MMIO_ALLOCBUF)

  bool is_memory() const { return descriptor < 0; }
  bool is_buffered() const { return info.pchBuffer != nullptr || is_memory(); }
  LONG buffered_bytes() const { return static_cast<LONG>(info.pchEndRead - info.pchBuffer); }
};

namespace platform::mmio {

// The handle's state when it is a file we opened and have not closed, otherwise null.
NativeMmioFile* live_file(HMMIO handle);
// The logical position: the start of the buffer plus what has been taken from it.
std::int64_t position(const NativeMmioFile& file);
// Moves to target; false when the file cannot stand there (as mmioSeek answering -1).
bool seek_to(NativeMmioFile& file, std::int64_t target);
// Reads up to count bytes at the position; the count read, or -1 on an error.
LONG read_bytes(NativeMmioFile& file, char* destination, LONG count);

}  // namespace platform::mmio
