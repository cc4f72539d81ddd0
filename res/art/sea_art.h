// The sea painter's pictures: the open sea, the decks, the title card, the
// navy brig and the pirate galleon in all their poses, and the flags.
// SeaArt() (sea.cpp) lists them by resource id; the scenery painters are
// also open to the other painters, whose cut-outs must match them.
#pragma once

#include <cairo.h>

namespace sea {

// Backdrops and title (every pixel painted).
void PaintOpenSea(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintShipDecks(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintTitle(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);

// Ships.
void PaintBrigClose(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintBrigDistant(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintBrigRig(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintGalleon(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintGalleonHeeling(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);

// Flags.
void PaintSmallUnionJack(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintTinyUnionJack(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintSmallJollyRoger(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintLargeUnionJack(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintLargeJollyRoger(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);

}  // namespace sea
