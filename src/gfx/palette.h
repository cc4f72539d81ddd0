// The palette step: the frame-buffer header's colour table and, on a
// palette device, the show palette matched to the system palette and every
// stored bitmap rewritten into it, once, at start-up.
#pragma once

#include <cstdint>

#include "host/host.h"

constexpr uint8_t kPcNoCollapse = 0x04;
// The static colours that the static system palette use keeps on a palette
// display, taken when the display gives no count of its own (NUMCOLORS is
// -1 on Wine's 8-bit screens).
constexpr int kStaticSystemColours = 20;

// Flags of a system palette copy of nSizePalette entries (at most 256 are
// written) with nNumColors static colours (below 0: no count, so
// kStaticSystemColours): half of them at each end get 0, the rest
// PC_NOCOLLAPSE. Realised in the foreground, such a copy takes the system
// palette's entries one for one.
void PaletteFlagPattern(int nNumColors, int nSizePalette, uint8_t (&flags)[256]);

// Rewrites every stored bitmap's pixels p into remap[p] and finds the
// sprites' runs again; false when there was no memory for them.
bool RemapStoredBitmaps(const uint8_t (&remap)[256]);

// Runs at the end of LoadBitmaps with the colour table of the last bitmap
// loaded. False (after its message) when the show cannot go on.
bool BuildShowPalette(HostWindow hWindow);
