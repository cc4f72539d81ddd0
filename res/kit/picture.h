// Pictures: the catalogue's geometry of each bitmap, rendering a painted
// piece into palette indices with its key colour, the BMP encoder and a
// surface of a picture for the contact sheet.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "pieces.h"
#include "filebytes.h"

struct PictureGeometry {
    int nId;
    int nWidth;
    int nHeight;
    int nFrames;
    int nFrameHeight;
    bool bOpaque;  // backdrops and the pictures outside the load list have no key
};

// Every distinct bitmap of the catalogue, load list first, in catalogue order.
const std::vector<PictureGeometry>& CataloguePictures();
const PictureGeometry* FindPictureGeometry(int nId);

struct IndexedPicture {
    PictureGeometry geo;
    std::vector<uint8_t> pixels;  // rows top-down, nWidth bytes each
    int nKey;                     // table index of the key colour, -1 when opaque
};

// Renders every frame of the piece and quantises it. Fails (with a reason)
// when no key colour is left for the picture or Cairo reports an error;
// painting slips that still give a usable picture become warnings.
bool RenderPicture(const ArtPiece& piece, const PictureGeometry& geo, IndexedPicture& out,
                   std::vector<std::string>& warnings, std::string& szError);

// 8-bit BI_RGB bitmap file, bottom-up, the full shared colour table.
Bytes EncodeBmp(const IndexedPicture& pic);

// The picture in true colour; key pixels as a magenta checkerboard (a colour
// no painting uses, so every edge shows) when bShowKey is false, as the key
// colour itself otherwise.
cairo_surface_t* PictureSurface(const IndexedPicture& pic, bool bShowKey);
