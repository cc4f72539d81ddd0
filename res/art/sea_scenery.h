// Where things lie on the two backdrops, for the painters whose sprites must
// meet them: the open sea's horizon and tones, and on the decks the two
// hulls' sides along the gap, the masts and the deck edges.
//
// Cut-outs that must match a backdrop exactly (the ships' sides, the water
// between the hulls, the bands of waves) can be painted by calling the
// backdrop painter (sea_art.h) under a translation and clipping to their
// outline.
#pragma once

#include "sea_draw.h"

namespace sea {

// Open sea (backdrop 130).
constexpr double kSeaHorizonY = 430;

// Ship decks (backdrop 141), stage coordinates.
constexpr double kDecksHorizonY = 232;
// The navy ship's starboard rail and its waterline in the gap, bow to stern;
// between them lies the ship's side with its gun ports. Everything left of
// the navy waterline (and right of the pirate one) is ship, nearer than the
// water between the hulls; both lines run on below the stage's bottom.
extern const Pts kNavyRail, kNavyWaterline;
// The same for the pirate ship's port side.
extern const Pts kPirateRail, kPirateWaterline;
// The mouths of the two guns run out across the gap, where the blasts of
// the face-off burst from.
constexpr Pt kNavyGunMuzzle = {424, 382}, kPirateGunMuzzle = {595, 360};
// Mast centres (x), the y where each mast stands on its deck, and its
// width there.
constexpr double kNavyMastX = 217, kNavyMastFootY = 338, kNavyMastWidth = 14;
constexpr double kPirateMastX = 703, kPirateMastFootY = 296, kPirateMastWidth = 16;
// Both masts rise off the stage's top: at y kDeckMastTopY each stands
// kDeckMastLean further left and kDeckMastTaper as wide as at its foot,
// under an outline kDeckMastOutline wide.
constexpr double kDeckMastTopY = -10, kDeckMastLean = 2, kDeckMastTaper = 0.8, kDeckMastOutline = 2.5;

}  // namespace sea
