#include "assetgen.h"

const std::vector<ArtPiece>& SeaArt() {
    static const std::vector<ArtPiece> pieces = {};
    return pieces;
}
