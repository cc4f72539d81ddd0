// What the hosts that draw into the window in memory (the render tool's,
// the Linux player's and the page's) share beyond the window itself. Their
// display is true colour, so memory_window_host.cpp implements the palette
// services of host.h once for all three; it is a library of its own, which
// only those hosts link (the Win32 and fake hosts have their own).
#pragma once

#include <cstdint>

// HostGetTempPath for a host that keeps its temporary folder as text
// (szDir, with its trailing separator; empty when there is none).
uint32_t CopyTempPath(const char* szDir, char* szBuffer, uint32_t nBufferLength);
