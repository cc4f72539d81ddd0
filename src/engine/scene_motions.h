// What several scenes share: the flags' waving, the close brig's rocking on
// the open sea, the large flags over the two decks, the smoke, hole and
// plank that the face-off leaves behind, and the clean poses of the fallen.
#pragma once

#include <array>
#include <cstdint>

#include "actor_slots.h"
#include "engine/scene_script.h"
#include "engine/track.h"
#include "stage_marks.h"
#include "strip_frames.h"

namespace tracks {

// A flag shows its two strip frames in turn, one a frame.
constexpr int32_t kWave[] = {frames::kRippleA, frames::kRippleB};

// The close brig rocks by one pixel each way around (180, 141).
constexpr int32_t kBrigRockX[] = {180, 180, 181, 181, 181, 180, 180, 180, 179, 179, 179, 180};
constexpr int32_t kBrigRockY[] = {141, 141, 140, 140, 140, 141, 141, 141, 142, 142, 142, 141};

// The large flags over the decks wave in place for a whole scene.
constexpr std::array<TrackRun, 2> DeckFlag(int nLength, int32_t x, int32_t y) {
    return {{Pose(1, nLength, x, y, 0), F(1, nLength, Cycle(kWave))}};
}
constexpr std::array<TrackRun, 2> UnionJackOverDeck(int nLength) { return DeckFlag(nLength, 114, 172); }
constexpr std::array<TrackRun, 2> JollyRogerOverDeck(int nLength) { return DeckFlag(nLength, 598, 146); }

// After the face-off its two smoke clouds drift on up and to the left until
// they are gone, whichever way the fight goes.
inline constexpr TrackRun kSmokeADriftsOff[] = {
    X(1, 17, Line(202, -10)), Y(1, 17, Line(96, -10)), F(1, 17, Hold(frames::kSmokeShapeB)),
};
inline constexpr TrackRun kSmokeBDriftsOff[] = {
    X(1, 29, Line(330, -10)), Y(1, 29, Line(146, -10)), F(1, 29, Hold(frames::kSmokeShapeA)),
};

// The shot hole in the navy sail and the plank between the decks stay where
// the face-off left them, for a whole scene.
constexpr std::array<TrackRun, 1> ShotHoleStays(int nLength) { return {{Pose(1, nLength, 15, 22, 0)}}; }
constexpr std::array<TrackRun, 1> PlankStays(int nLength) { return {{Pose(1, nLength, marks::kPlank.x, marks::kPlank.y, 0)}}; }

}  // namespace tracks

// With blood off, the fallen navy men lie in their clean poses: the
// fencer and sailors B, C and D.
inline constexpr BloodSwap kCleanFallen[] = {
    {kSlotFencer, frames::kOfficerDeadBleeding, frames::kOfficerDeadBled, frames::kOfficerDead},
    {kSlotSailorB, frames::kSailorDeadOnBackBleeding, frames::kSailorDeadOnBackBled, frames::kSailorDeadOnBack},
    {kSlotSailorC, frames::kSailorDeadFaceDownBleeding, frames::kSailorDeadFaceDownBled, frames::kSailorDeadFaceDown},
    {kSlotSailorD, frames::kSailorDeadOnBackBleeding, frames::kSailorDeadOnBackBled, frames::kSailorDeadOnBack},
};
