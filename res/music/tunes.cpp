#include "tunes.h"

const std::vector<TunePiece>& Tunes() {
    static const std::vector<TunePiece> pieces = {kHornpipe, kRuleBritannia};
    return pieces;
}
