// The About dialog's two pictures, painted with the kraken's other art.
#pragma once

#include <cairo.h>

void PaintAboutArtwork(cairo_t* cr, int nFrame, int nWidth, int nHeight);
void PaintCredits(cairo_t* cr, int nFrame, int nWidth, int nHeight);
