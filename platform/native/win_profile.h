#pragma once
// Profile strings (INI files) for the native build: GetPrivateProfileStringA reading a file
// found by Windows path rules. Limits: read-only; a bare file name or a null one would name the
// Windows folder, which does not exist here, so it gives the default; ANSI text only.
#include "platform/native/win_types.h"

extern "C" {
// Copies the value of key in section, or default_value when the file, the section or the key is
// missing, cut to size − 1 characters and terminated; returns the characters copied. A null key
// lists the section's keys and a null section lists the sections, each name followed by a null
// and the list by another; a list that does not fit returns size − 2.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR default_value, LPSTR returned,
                               DWORD size, LPCSTR file_name);
}
