// Motions that several scenes share: the flags' waving, the close brig's
// rocking on the open sea and the large flags over the two decks.
#pragma once

#include <array>
#include <cstdint>

#include "engine/track.h"

namespace tracks {

// A flag shows its two strip frames in turn, one a frame.
constexpr int32_t kWave[] = {0, 1};

// The close brig rocks by one pixel each way around (180, 141).
constexpr int32_t kBrigRockX[] = {180, 180, 181, 181, 181, 180, 180, 180, 179, 179, 179, 180};
constexpr int32_t kBrigRockY[] = {141, 141, 140, 140, 140, 141, 141, 141, 142, 142, 142, 141};

// The large flags over the decks wave in place for a whole scene.
constexpr std::array<TrackRun, 2> DeckFlag(int nLength, int32_t x, int32_t y) {
    return {{Pose(1, nLength, x, y, 0), F(1, nLength, Cycle(kWave))}};
}
constexpr std::array<TrackRun, 2> UnionJackOverDeck(int nLength) { return DeckFlag(nLength, 114, 172); }
constexpr std::array<TrackRun, 2> JollyRogerOverDeck(int nLength) { return DeckFlag(nLength, 598, 146); }

}  // namespace tracks
