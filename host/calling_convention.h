#pragma once

// Every routine the host calls and every host service uses the 32-bit panel system's stdcall
// convention; other targets have only one convention.
#if defined(_WIN32) && !defined(_WIN64)
#define HOST_CALL __stdcall
#else
#define HOST_CALL
#endif

// Marks the two exported records of a module; write them inside extern "C" { }.
#if defined(_WIN32)
#define GAUGE_EXPORT __declspec(dllexport)
#else
#define GAUGE_EXPORT __attribute__((visibility("default")))
#endif
