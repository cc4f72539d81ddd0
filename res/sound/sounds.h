// The sound effects: the table of synthesised pieces by resource id.
#pragma once

#include <vector>

#include "pieces.h"

const std::vector<SoundPiece>& SoundEffects();
