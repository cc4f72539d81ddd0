#include "assetgen.h"

const std::vector<TunePiece>& Tunes() {
    static const std::vector<TunePiece> pieces = {};
    return pieces;
}
