// The Windows API as the backend uses it: lean headers, no min/max macros, wide text functions.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
// Declarations up to Windows XP, so that a later function fails to compile; such functions are bound late
// with GetProcAddress.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0501
#endif
#ifndef WINVER
#define WINVER 0x0501
#endif

#include <windows.h>

// The portable canvas has a DrawText member; the backend calls DrawTextW by its own name.
#undef DrawText
