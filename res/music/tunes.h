// The two background tunes; each file builds one complete MIDI file.
#pragma once

#include "assetgen.h"

constexpr int kTune1Id = 243;
constexpr size_t kTune1Bytes = 8921;
constexpr int kTune2Id = 244;
constexpr size_t kTune2Bytes = 8457;

extern const TunePiece kHornpipe;
extern const TunePiece kRuleBritannia;
