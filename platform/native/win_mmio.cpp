// Files, buffered reading and positions of the native mmio stand-in.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <unordered_set>

#include "platform/native/win_mmio_file.h"
#include "platform/native/win_paths.h"

NativeMmioFile::~NativeMmioFile() {
  if (descriptor >= 0) close(descriptor);
}

namespace {

constexpr std::int64_t kLongMax = std::numeric_limits<LONG>::max();
constexpr std::size_t kReadAheadBytes = 256 * 1024;
// Open flags we understand: access, sharing modes, MMIO_CREATE and MMIO_ALLOCBUF.
constexpr DWORD kKnownOpenFlags = 0x3 | 0x70 | MMIO_CREATE | MMIO_ALLOCBUF;

std::unordered_set<NativeMmioFile*>& open_files() {
  static std::unordered_set<NativeMmioFile*> files;
  return files;
}

MMRESULT open_error(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return MMIOERR_FILENOTFOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
      return MMIOERR_ACCESSDENIED;
    case EMFILE:
    case ENFILE:
      return MMIOERR_TOOMANYOPENFILES;
    default:
      return MMIOERR_CANNOTOPEN;
  }
}

std::int64_t file_size(const NativeMmioFile& file) {
  if (file.is_memory()) return file.info.cchBuffer;
  struct stat status {};
  return fstat(file.descriptor, &status) == 0 ? status.st_size : -1;
}

ssize_t read_at(int descriptor, char* destination, std::size_t count, std::int64_t offset) {
  ssize_t got;
  do {
    got = pread(descriptor, destination, count, offset);
  } while (got < 0 && errno == EINTR);
  return got;
}

// Copies up to count bytes of a disk file from offset on; the count copied, or -1. Requests
// smaller than the read-ahead block are served from it.
ssize_t read_disk(NativeMmioFile& file, char* destination, std::size_t count, std::int64_t offset) {
  if (count >= kReadAheadBytes) return read_at(file.descriptor, destination, count, offset);
  const bool held = offset >= file.read_ahead_offset &&
                    offset + static_cast<std::int64_t>(count) <=
                        file.read_ahead_offset + static_cast<std::int64_t>(file.read_ahead_bytes);
  if (!held) {
    if (!file.read_ahead) return read_at(file.descriptor, destination, count, offset);
    const ssize_t got = read_at(file.descriptor, file.read_ahead.get(), kReadAheadBytes, offset);
    if (got < 0) return got;
    file.read_ahead_offset = offset;
    file.read_ahead_bytes = static_cast<std::size_t>(got);
  }
  const auto skip = static_cast<std::size_t>(offset - file.read_ahead_offset);
  const std::size_t copied = std::min(count, file.read_ahead_bytes - skip);
  std::memcpy(destination, file.read_ahead.get() + skip, copied);
  return static_cast<ssize_t>(copied);
}

// Makes the I/O buffer hold the file's bytes from offset on.
bool fill_buffer(NativeMmioFile& file, std::int64_t offset) {
  MMIOINFO& info = file.info;
  const ssize_t got =
      read_disk(file, info.pchBuffer, static_cast<std::size_t>(info.cchBuffer), offset);
  if (got < 0) return false;
  info.lBufOffset = static_cast<LONG>(offset);
  info.pchNext = info.pchBuffer;
  info.pchEndRead = info.pchBuffer + got;
  info.lDiskOffset = static_cast<LONG>(std::min(offset + got, kLongMax));
  return true;
}

// The caller's next-byte pointer, when it lies inside the bytes the buffer holds.
bool take_next_pointer(NativeMmioFile& file, const MMIOINFO& from) {
  const std::less_equal<const char*> at_or_before;
  if (from.pchBuffer != file.info.pchBuffer || !at_or_before(file.info.pchBuffer, from.pchNext) ||
      !at_or_before(from.pchNext, file.info.pchEndRead)) {
    return false;
  }
  file.info.pchNext = from.pchNext;
  return true;
}

bool set_up_memory_file(NativeMmioFile& file, const MMIOINFO& request) {
  MMIOINFO& info = file.info;
  info.fccIOProc = FOURCC_MEM;
  info.cchBuffer = request.cchBuffer;
  info.pchBuffer = request.pchBuffer;
  if (info.pchBuffer == nullptr) {
    file.owned_buffer.reset(new (std::nothrow) char[std::max<LONG>(info.cchBuffer, 1)]());
    if (!file.owned_buffer) return false;
    info.pchBuffer = file.owned_buffer.get();
  }
  info.pchNext = info.pchBuffer;
  info.pchEndRead = info.pchEndWrite = info.pchBuffer + info.cchBuffer;
  return true;
}

MMRESULT set_up_disk_file(NativeMmioFile& file, LPCSTR path, const MMIOINFO* request, DWORD flags) {
  if (path == nullptr) return MMSYSERR_INVALPARAM;
  if ((flags & MMIO_CREATE) || (flags & 0x3) == MMIO_WRITE) return MMIOERR_CANNOTWRITE;
  const std::string host_path = platform::resolve_path(path);
  file.descriptor = open(host_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file.descriptor < 0) return open_error(errno);
  struct stat status {};
  if (fstat(file.descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    return MMIOERR_ACCESSDENIED;
  }
  MMIOINFO& info = file.info;
  info.fccIOProc = FOURCC_DOS;
  const LONG asked = request ? request->cchBuffer : 0;
  if (request && request->pchBuffer) {
    if (asked <= 0) return MMSYSERR_INVALPARAM;
    info.pchBuffer = request->pchBuffer;
    info.cchBuffer = asked;
  } else if (flags & MMIO_ALLOCBUF) {
    info.cchBuffer = asked > 0 ? asked : MMIO_DEFAULTBUFFER;
    file.owned_buffer.reset(new (std::nothrow) char[info.cchBuffer]);
    if (!file.owned_buffer) return MMIOERR_OUTOFMEMORY;
    info.pchBuffer = file.owned_buffer.get();
  }
  info.pchNext = info.pchEndRead = info.pchBuffer;
  info.pchEndWrite = info.pchBuffer ? info.pchBuffer + info.cchBuffer : nullptr;
  // The read-ahead block comes with the file rather than with its first read, so that its
  // memory is taken and given back next to the file's other small blocks.
  file.read_ahead.reset(new (std::nothrow) char[kReadAheadBytes]);
  return MMSYSERR_NOERROR;
}

}  // namespace

namespace platform::mmio {

NativeMmioFile* live_file(HMMIO handle) {
  return open_files().contains(handle) ? handle : nullptr;
}

std::int64_t position(const NativeMmioFile& file) {
  if (!file.is_buffered()) return file.info.lDiskOffset;
  return std::int64_t{file.info.lBufOffset} + (file.info.pchNext - file.info.pchBuffer);
}

bool seek_to(NativeMmioFile& file, std::int64_t target) {
  MMIOINFO& info = file.info;
  if (target < 0 || target > kLongMax) return false;
  if (file.is_memory()) {
    if (target > info.cchBuffer) return false;
    info.pchNext = info.pchBuffer + target;
  } else if (!file.is_buffered()) {
    info.lDiskOffset = static_cast<LONG>(target);
  } else if (target >= info.lBufOffset && target <= info.lBufOffset + file.buffered_bytes()) {
    info.pchNext = info.pchBuffer + (target - info.lBufOffset);
  } else {
    // Outside what the buffer holds: it is empty until the next read fills it from here.
    info.lBufOffset = info.lDiskOffset = static_cast<LONG>(target);
    info.pchNext = info.pchEndRead = info.pchBuffer;
  }
  return true;
}

LONG read_bytes(NativeMmioFile& file, char* destination, LONG count) {
  MMIOINFO& info = file.info;
  if (!file.is_buffered()) {
    const ssize_t got =
        read_disk(file, destination, static_cast<std::size_t>(count), info.lDiskOffset);
    if (got < 0) return -1;
    info.lDiskOffset = static_cast<LONG>(std::min(info.lDiskOffset + got, kLongMax));
    return static_cast<LONG>(got);
  }
  LONG total = 0;
  while (total < count) {
    if (info.pchNext == info.pchEndRead) {
      if (file.is_memory()) break;
      if (!fill_buffer(file, position(file))) return -1;
      if (info.pchNext == info.pchEndRead) break;
    }
    const LONG step =
        std::min<LONG>(static_cast<LONG>(info.pchEndRead - info.pchNext), count - total);
    std::memcpy(destination + total, info.pchNext, static_cast<size_t>(step));
    info.pchNext += step;
    total += step;
  }
  return total;
}

}  // namespace platform::mmio

using platform::mmio::live_file;

extern "C" {

HMMIO mmioOpenA(LPSTR path, LPMMIOINFO info, DWORD flags) {
  auto answer = [info](MMRESULT error) {
    if (info) info->wErrorRet = error;
  };
  const bool memory = info && info->fccIOProc == FOURCC_MEM;
  const bool plain_disk = !info || info->fccIOProc == 0 || info->fccIOProc == FOURCC_DOS;
  if ((flags & ~kKnownOpenFlags) || (flags & 0x3) == 0x3 || (info && info->cchBuffer < 0) ||
      (info && info->pIOProc) || (!memory && !plain_disk)) {
    answer(MMSYSERR_INVALPARAM);
    return nullptr;
  }

  auto file = std::make_unique<NativeMmioFile>();
  MMRESULT result = MMSYSERR_NOERROR;
  if (memory) {
    if (!set_up_memory_file(*file, *info)) result = MMIOERR_OUTOFMEMORY;
  } else {
    result = set_up_disk_file(*file, path, info, flags);
  }
  answer(result);
  if (result != MMSYSERR_NOERROR) return nullptr;

  file->info.dwFlags = flags;
  if (info) std::copy(std::begin(info->adwInfo), std::end(info->adwInfo), file->info.adwInfo);
  HMMIO handle = file.release();
  handle->info.hmmio = handle;
  open_files().insert(handle);
  return handle;
}

MMRESULT mmioClose(HMMIO handle, UINT) {
  NativeMmioFile* file = live_file(handle);
  if (!file) return MMSYSERR_INVALHANDLE;
  open_files().erase(file);
  delete file;
  return MMSYSERR_NOERROR;
}

LONG mmioRead(HMMIO handle, HPSTR destination, LONG count) {
  NativeMmioFile* file = live_file(handle);
  if (!file || count < 0 || (count > 0 && destination == nullptr)) return -1;
  return platform::mmio::read_bytes(*file, destination, count);
}

LONG mmioSeek(HMMIO handle, LONG offset, int origin) {
  NativeMmioFile* file = live_file(handle);
  if (!file) return -1;
  std::int64_t base;
  switch (origin) {
    case SEEK_SET:
      base = 0;
      break;
    case SEEK_CUR:
      base = platform::mmio::position(*file);
      break;
    case SEEK_END:
      base = file_size(*file);
      if (base < 0) return -1;
      break;
    default:
      return -1;
  }
  const std::int64_t target = base + offset;
  return platform::mmio::seek_to(*file, target) ? static_cast<LONG>(target) : -1;
}

MMRESULT mmioGetInfo(HMMIO handle, LPMMIOINFO info, UINT) {
  NativeMmioFile* file = live_file(handle);
  if (!file) return MMSYSERR_INVALHANDLE;
  if (!info) return MMSYSERR_INVALPARAM;
  *info = file->info;
  return MMSYSERR_NOERROR;
}

MMRESULT mmioSetInfo(HMMIO handle, LPCMMIOINFO info, UINT) {
  NativeMmioFile* file = live_file(handle);
  if (!file) return MMSYSERR_INVALHANDLE;
  if (!info || !take_next_pointer(*file, *info)) return MMSYSERR_INVALPARAM;
  return MMSYSERR_NOERROR;
}

MMRESULT mmioAdvance(HMMIO handle, LPMMIOINFO info, UINT flags) {
  NativeMmioFile* file = live_file(handle);
  if (!file) return MMSYSERR_INVALHANDLE;
  if (flags == MMIO_WRITE) return MMIOERR_CANNOTWRITE;
  if (flags != MMIO_READ) return MMSYSERR_INVALPARAM;
  if (!file->is_buffered()) return MMIOERR_UNBUFFERED;
  if (info && !take_next_pointer(*file, *info)) return MMSYSERR_INVALPARAM;
  // A memory file's buffer already holds the whole file: there is nothing more to bring in.
  if (!file->is_memory() && !fill_buffer(*file, platform::mmio::position(*file))) {
    return MMIOERR_CANNOTREAD;
  }
  if (info) *info = file->info;
  return MMSYSERR_NOERROR;
}

}  // extern "C"
