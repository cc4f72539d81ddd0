// Borrowing other pictures: the wave bands and ships' sides must repeat the
// backdrops exactly where the scenes lay them, and the About artwork shows
// the ships; painting those pieces again keeps one source for each.
#pragma once

#include <cairo.h>

#include "pieces.h"

namespace kraken {

// The piece with this resource id from any painting module, or nullptr.
const ArtPiece* FindArtPiece(int nId);

// Paints frame nFrame of picture nId with its top-left corner at (x, y),
// scaled; returns false if no module paints that picture.
bool PaintPieceAt(cairo_t* cr, int nId, int nFrame, double x, double y, double dScale = 1.0);

// Fills the current path from frame 0 of picture nId laid with its top-left
// corner at (x, y), with hard pixel edges: a pixel is wholly in or out, so
// what is filled repeats the borrowed picture exactly (soft edges would
// blend it into new colours). Returns false if no module paints it.
bool FillFromPiece(cairo_t* cr, int nId, double x, double y);

// Clips to the current path with hard pixel edges: a pixel is wholly in or
// out, so whatever is painted inside repeats the borrowed picture exactly
// (soft edges would blend it into new colours).
void ClipSharp(cairo_t* cr);

}  // namespace kraken
