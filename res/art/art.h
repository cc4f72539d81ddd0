// The pictures: each painting module's table of pieces by resource id, and
// the saver's icon and the link cursor.
#pragma once

#include <cairo.h>

#include <vector>

#include "pieces.h"

const std::vector<ArtPiece>& SeaArt();     // backdrops, ships, flags, waves, title, About art
const std::vector<ArtPiece>& CrewArt();    // sailors, pirates, props, cannon fire, effects
const std::vector<ArtPiece>& KrakenArt();  // the kraken and its tentacles

// A PaintIconFn and a PaintCursorFn (pieces.h says what they paint).
void PaintSaverIcon(cairo_t* cr, int nSize);
void PaintHandCursor(cairo_t* cr);
