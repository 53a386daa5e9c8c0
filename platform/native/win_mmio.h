#pragma once
// Windows multimedia file services (mmio) for the native build, declared as Windows documents
// them. Limits: files are read only (no mmioWrite, MMIO_CREATE or MMIO_WRITE; MMIO_READWRITE
// opens for reading); no custom I/O procedures; a memory file is exactly the caller's buffer.
#include <cstdio>  // SEEK_SET, SEEK_CUR, SEEK_END for mmioSeek

#include "platform/native/win_types.h"

using FOURCC = DWORD;
using MMRESULT = UINT;
using HPSTR = char*;
using HTASK = HANDLE;
using HMMIO = struct NativeMmioFile*;
using LPMMIOPROC = LRESULT (*)(LPSTR message_info, UINT message, LPARAM param1, LPARAM param2);

struct MMIOINFO {
  DWORD dwFlags;
  FOURCC fccIOProc;
  LPMMIOPROC pIOProc;
  UINT wErrorRet;
  HTASK htask;
  LONG cchBuffer;
  HPSTR pchBuffer;
  HPSTR pchNext;
  HPSTR pchEndRead;
  HPSTR pchEndWrite;
  LONG lBufOffset;
  LONG lDiskOffset;
  DWORD adwInfo[3];
  DWORD dwReserved1;
  DWORD dwReserved2;
  HMMIO hmmio;
};
using LPMMIOINFO = MMIOINFO*;
using LPCMMIOINFO = const MMIOINFO*;

struct MMCKINFO {
  FOURCC ckid;
  DWORD cksize;
  FOURCC fccType;
  DWORD dwDataOffset;
  DWORD dwFlags;
};
using LPMMCKINFO = MMCKINFO*;
using LPCMMCKINFO = const MMCKINFO*;

// The wave format record of the multimedia headers: 18 bytes, packed.
#pragma pack(push, 1)
struct WAVEFORMATEX {
  WORD wFormatTag;
  WORD nChannels;
  DWORD nSamplesPerSec;
  DWORD nAvgBytesPerSec;
  WORD nBlockAlign;
  WORD wBitsPerSample;
  WORD cbSize;
};
#pragma pack(pop)
using LPWAVEFORMATEX = WAVEFORMATEX*;
static_assert(sizeof(WAVEFORMATEX) == 18);

inline constexpr WORD WAVE_FORMAT_PCM = 1;

constexpr FOURCC mmioFOURCC(char c0, char c1, char c2, char c3) {
  return static_cast<FOURCC>(static_cast<BYTE>(c0)) |
         static_cast<FOURCC>(static_cast<BYTE>(c1)) << 8 |
         static_cast<FOURCC>(static_cast<BYTE>(c2)) << 16 |
         static_cast<FOURCC>(static_cast<BYTE>(c3)) << 24;
}
inline constexpr FOURCC FOURCC_RIFF = mmioFOURCC('R', 'I', 'F', 'F');
inline constexpr FOURCC FOURCC_LIST = mmioFOURCC('L', 'I', 'S', 'T');
inline constexpr FOURCC FOURCC_DOS = mmioFOURCC('D', 'O', 'S', ' ');
inline constexpr FOURCC FOURCC_MEM = mmioFOURCC('M', 'E', 'M', ' ');

// Open flags.
inline constexpr DWORD MMIO_READ = 0x0;
inline constexpr DWORD MMIO_WRITE = 0x1;
inline constexpr DWORD MMIO_READWRITE = 0x2;
inline constexpr DWORD MMIO_CREATE = 0x1000;
inline constexpr DWORD MMIO_ALLOCBUF = 0x10000;
inline constexpr LONG MMIO_DEFAULTBUFFER = 8192;
// Chunk search flags of mmioDescend.
inline constexpr UINT MMIO_FINDCHUNK = 0x10;
inline constexpr UINT MMIO_FINDRIFF = 0x20;
inline constexpr UINT MMIO_FINDLIST = 0x40;

inline constexpr MMRESULT MMSYSERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
inline constexpr MMRESULT MMIOERR_FILENOTFOUND = 257;
inline constexpr MMRESULT MMIOERR_OUTOFMEMORY = 258;
inline constexpr MMRESULT MMIOERR_CANNOTOPEN = 259;
inline constexpr MMRESULT MMIOERR_CANNOTREAD = 261;
inline constexpr MMRESULT MMIOERR_CANNOTWRITE = 262;
inline constexpr MMRESULT MMIOERR_CANNOTSEEK = 263;
inline constexpr MMRESULT MMIOERR_CHUNKNOTFOUND = 265;
inline constexpr MMRESULT MMIOERR_UNBUFFERED = 266;
inline constexpr MMRESULT MMIOERR_ACCESSDENIED = 268;
inline constexpr MMRESULT MMIOERR_TOOMANYOPENFILES = 271;

extern "C" {
// A disk file by Windows path rules, or a memory file when info names FOURCC_MEM. On failure
// the answer is null and info->wErrorRet (when info is given) holds the reason.
HMMIO mmioOpenA(LPSTR path, LPMMIOINFO info, DWORD flags);
MMRESULT mmioClose(HMMIO file, UINT flags);
// The number of bytes read, 0 at the end of the file, -1 on an error.
LONG mmioRead(HMMIO file, HPSTR destination, LONG count);
// The new position, or -1 (before the start; past the end of a memory file).
LONG mmioSeek(HMMIO file, LONG offset, int origin);
MMRESULT mmioGetInfo(HMMIO file, LPMMIOINFO info, UINT flags);
MMRESULT mmioSetInfo(HMMIO file, LPCMMIOINFO info, UINT flags);
// Refills the I/O buffer from the current position; at the end of the file it answers 0 and
// leaves pchNext equal to pchEndRead.
MMRESULT mmioAdvance(HMMIO file, LPMMIOINFO info, UINT flags);
MMRESULT mmioDescend(HMMIO file, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags);
MMRESULT mmioAscend(HMMIO file, LPMMCKINFO chunk, UINT flags);
}
