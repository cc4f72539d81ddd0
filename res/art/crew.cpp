#include "assetgen.h"

const std::vector<ArtPiece>& CrewArt() {
    static const std::vector<ArtPiece> pieces = {};
    return pieces;
}
