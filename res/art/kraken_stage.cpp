#include "kraken_stage.h"

#include "gfx/catalogue.h"

namespace kraken {

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
    for (const LoadListEntry& e : LoadList)
        if (e.nResourceId == nId) nWidth = e.nWidth, nFrameHeight = e.nFrameHeight;
    for (const PictureEntry& e : OtherPictures)
        if (e.nResourceId == nId) nWidth = e.nWidth, nFrameHeight = e.nHeight;
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

}  // namespace kraken
