// The two background tunes; each file builds one complete MIDI file under
// the id and at the size that the catalogue gives.
#pragma once

#include <vector>

#include "catalogue.h"
#include "pieces.h"

extern const TunePiece kHornpipe;
extern const TunePiece kRuleBritannia;

// Both, in resource order.
const std::vector<TunePiece>& Tunes();
