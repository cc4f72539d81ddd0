#include "assetgen.h"

const std::vector<ArtPiece>& KrakenArt() {
    static const std::vector<ArtPiece> pieces = {};
    return pieces;
}
