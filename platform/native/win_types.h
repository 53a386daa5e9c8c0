#pragma once
// The basic Windows types, as the modules' code spells them, for the native build.
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = std::uint32_t;
using BOOL = std::int32_t;
using HRESULT = std::int32_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;
using HANDLE = void*;
using HMODULE = void*;
using HINSTANCE = void*;
using HGLOBAL = void*;
using HWND = struct NativeWindow*;
using HRSRC = const struct NativeResource*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

#define WINAPI
#define CALLBACK
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
