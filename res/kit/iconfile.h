// Icon and cursor files (.ico, .cur) from painted pictures.
#pragma once

#include <string>

#include "filebytes.h"
#include "pieces.h"

// The icon group: 32 and 16 pixels, each in 256 colours (the shared table)
// and in the 16 standard colours.
Bytes EncodeSaverIcon(PaintIconFn pfnPaint);

// The pointing-hand cursor: one monochrome 32 x 32 image with its hotspot.
Bytes EncodeHandCursor(PaintCursorFn pfnPaint);
