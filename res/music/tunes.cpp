// The list of tunes that the generator writes, in resource order.

#include "tunes.h"

const std::vector<TunePiece>& Tunes() {
    static const std::vector<TunePiece> pieces = {kHornpipe, kRuleBritannia};
    return pieces;
}
