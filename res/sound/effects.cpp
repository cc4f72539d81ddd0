#include "assetgen.h"

const std::vector<SoundPiece>& SoundEffects() {
    static const std::vector<SoundPiece> pieces = {};
    return pieces;
}
