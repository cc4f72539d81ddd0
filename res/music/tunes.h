// The two background tunes; each file builds one complete MIDI file under
// the id and at the size that the show's music code expects.
#pragma once

#include "assetgen.h"
#include "audio/music.h"

extern const TunePiece kHornpipe;
extern const TunePiece kRuleBritannia;
