// Repainting other pictures inside the kraken's: finding a piece in the
// catalogue and drawing one of its frames at a place and scale.

#include "kraken_stage.h"

#include "art.h"
#include "catalogue.h"

namespace kraken {

namespace {

void FrameSize(int nId, int& nWidth, int& nFrameHeight) {
    for (const LoadListEntry& e : LoadList)
        if (e.nResourceId == nId) nWidth = e.nWidth, nFrameHeight = e.nFrameHeight;
    for (const PictureEntry& e : OtherPictures)
        if (e.nResourceId == nId) nWidth = e.nWidth, nFrameHeight = e.nHeight;
}

}  // namespace

const ArtPiece* FindArtPiece(int nId) {
    for (const std::vector<ArtPiece>* pTable : {&SeaArt(), &CrewArt(), &KrakenArt()})
        for (const ArtPiece& piece : *pTable)
            if (piece.nResourceId == nId) return &piece;
    return nullptr;
}

bool PaintPieceAt(cairo_t* cr, int nId, int nFrame, double x, double y, double dScale) {
    const ArtPiece* pPiece = FindArtPiece(nId);
    if (!pPiece) return false;
    int nWidth = 0, nFrameHeight = 0;
    FrameSize(nId, nWidth, nFrameHeight);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, dScale, dScale);
    // The painter expects its own frame as the clip, as the generator gives it.
    cairo_rectangle(cr, 0, 0, nWidth, nFrameHeight);
    cairo_clip(cr);
    cairo_new_path(cr);
    pPiece->pfnPaint(cr, nFrame, nWidth, nFrameHeight);
    cairo_restore(cr);
    return true;
}

bool FillFromPiece(cairo_t* cr, int nId, double x, double y) {
    const ArtPiece* pPiece = FindArtPiece(nId);
    if (!pPiece) return false;
    int nWidth = 0, nFrameHeight = 0;
    FrameSize(nId, nWidth, nFrameHeight);
    cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, nWidth, nFrameHeight);
    cairo_t* crPicture = cairo_create(picture);
    pPiece->pfnPaint(crPicture, 0, nWidth, nFrameHeight);
    cairo_destroy(crPicture);
    cairo_save(cr);
    cairo_set_source_surface(cr, picture, x, y);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(picture);
    return true;
}

void ClipSharp(cairo_t* cr) {
    cairo_antialias_t old = cairo_get_antialias(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_clip(cr);
    cairo_set_antialias(cr, old);
}

}  // namespace kraken
