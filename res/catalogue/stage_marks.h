// Where the scenes lay the pictures that must line up with another picture
// pixel for pixel: the painters paint them for these places, the scenes
// put them there, and the tests check the seams there. Stage coordinates of
// a frame's top-left corner, unless said otherwise.
#pragma once

struct StageMark {
    int x;
    int y;
};

namespace marks {

// On the decks (backdrop 141, scene 7).
constexpr StageMark kNavySide = {352, 274};          // 202, the navy ship's side
constexpr StageMark kPirateSide = {560, 300};        // 203, the pirate ship's side
constexpr StageMark kWaterBetweenHulls = {472, 526}; // 164, the near water
constexpr StageMark kKrakenRisen = {362, 209};       // 198 once it has come up
constexpr StageMark kPlank = {445, 535};             // 166 across the gap (scenes 4, 5, 7)
constexpr int kPlankInset = 3;  // the board's far edge and end lie this far inside 166's frame
// 207, the writhing tentacle: each pose repeats the dome at its own place.
constexpr StageMark kWritheA = {520, 140};
constexpr StageMark kWritheB = {520, 141};
constexpr StageMark kWritheLunge = {517, 143};
// 209, the rising kraken's eyes: from 198's corner to the overlay's.
constexpr StageMark kRisingEyesOffset = {88, 172};

// On the open sea (backdrop 130).
constexpr StageMark kWavesOverBrig = {194, 475};     // 188, scene 6
constexpr StageMark kWavesOverGalleon = {287, 475};  // 201, scene 8
// 210, the gripping kraken's eyes: from 199's corner to the overlay's.
constexpr StageMark kGrippingEyesOffset = {87, 146};

}  // namespace marks
