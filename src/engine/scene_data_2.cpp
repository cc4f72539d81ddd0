// Scene 2: close up, the brig rocks in place on the right while the galleon
// sails in from the left; from frame 37 two shot actors fire volley after
// volley, a two-frame muzzle flash and a puff flying up and to the left.

#include "audio/cues.h"
#include "engine/scene_motions.h"
#include "engine/scenes.h"
#include "strip_frames.h"

namespace {

using namespace scenes;
using namespace tracks;
using namespace frames;

constexpr int kLength = 197;
enum Cast : int8_t { kBrig, kGalleon, kEnsign, kJollyRoger, kShotA, kShotB, kCastCount };

constexpr int32_t kSettleX[] = {275, 275, 274, 274, 274, 275, 275, 275, 276, 276, 276};
constexpr int32_t kSettleY[] = {142, 142, 142, 142, 142, 141, 141, 140, 140, 141, 142};
constexpr int32_t kRockX[] = {275, 275, 275, 274, 274, 275, 275, 276, 276, 276};
constexpr int32_t kRockY[] = {142, 142, 142, 142, 141, 141, 140, 140, 141, 142};
// The galleon rises one pixel about every 39 frames over a one-pixel swell.
constexpr int32_t kGalleonSwell[] = {-1, -1, -1, 0, 0, 0};

constexpr TrackRun kBrigRuns[] = {
    X(1, 11, Cycle(kSettleX)),
    Y(1, 11, Cycle(kSettleY)),
    X(12, kLength, Cycle(kRockX)),
    Y(12, kLength, Cycle(kRockY)),
    F(1, kLength, Hold(0)),
};
constexpr TrackRun kGalleonRuns[] = {
    X(1, 195, Line(22, 2)),
    X(196, kLength, Hold(410)),
    Y(1, kLength, Swell(130, -1, 39, kGalleonSwell)),
    F(1, kLength, Hold(kGalleonUpright)),
};
constexpr TrackRun kEnsignRuns[] = {
    Follow(1, kLength, kBrig, 320, 3),
    F(1, kLength, Cycle(kWave)),
};
constexpr TrackRun kJollyRogerRuns[] = {
    Follow(1, kLength, kGalleon, 6, 100),
    F(1, kLength, Cycle(kWave)),
};

// The brig's gun firing out of its port, then the puff with the ball. The first
// puff lingers at the muzzle for two frames.
constexpr TrackRun kShotARuns[] = {
    Shot(37, 457, 429, kFlashFromPort, kPuffWithBall),
    Pose(39, 40, 457, 429, kPuffWithBall),
    X(41, 48, Line(447, -10)),
    Y(41, 48, Line(419, -10)),
    Shot(49, 481, 429, kFlashFromPort, kPuffWithBall),
    Shot(61, 506, 429, kFlashFromPort, kPuffWithBall),
    Shot(73, 538, 429, kFlashFromPort, kPuffWithBall),
    Shot(85, 568, 429, kFlashFromPort, kPuffWithBall),
    Shot(97, 593, 427, kFlashFromPort, kPuffWithBall),
    Shot(109, 612, 427, kFlashFromPort, kPuffWithBall),
    Shot(121, 568, 429, kFlashFromPort, kPuffWithBall),
    Shot(133, 612, 427, kFlashFromPort, kPuffWithBall),
    Shot(145, 593, 427, kFlashFromPort, kPuffWithBall),
    Shot(157, 538, 429, kFlashFromPort, kPuffWithBall),
    Shot(169, 568, 429, kFlashFromPort, kPuffWithBall),
};
// The flash, then the puff. The second shot's puff shows only after a two-frame gap.
constexpr TrackRun kShotBRuns[] = {
    Shot(43, 335, 428, kFlash, kPuff),
    Shot(55, 335, 424, kFlash, kPuff),
    F(57, 58, Hold(-1)),
    X(59, 68, Line(325, -10)),
    Y(59, 68, Line(412, -10)),
    F(59, 68, Hold(kPuff)),
    Shot(69, 320, 428, kFlash, kPuff),
    Shot(81, 320, 428, kFlash, kPuff),
    Shot(93, 320, 428, kFlash, kPuff),
    Shot(105, 350, 428, kFlash, kPuff),
    Shot(117, 410, 428, kFlash, kPuff),
    Shot(129, 410, 428, kFlash, kPuff),
    Shot(141, 430, 428, kFlash, kPuff),
    Shot(153, 450, 428, kFlash, kPuff),
    Shot(165, 460, 428, kFlash, kPuff),
    Shot(177, 500, 423, kFlash, kPuff),
    Shot(189, 550, 423, kFlash, kPuff),  // cut off by the scene's end
};

constexpr CastMember kCast[kCastCount] = {
    {kSlotBrig, Track(kBrigRuns), false},
    {kSlotGalleon, Track(kGalleonRuns), false},
    {kSlotEnsign, Track(kEnsignRuns), false},
    {kSlotJollyRoger, Track(kJollyRogerRuns), false},
    {kSlotCannonFireA, Track(kShotARuns), false},
    {kSlotCannonFireB, Track(kShotBRuns), false},
};

// The shots pass behind the galleon.
constexpr int8_t kOrder[] = {kBrig, kEnsign, kShotA, kShotB, kGalleon, kJollyRoger};
constexpr DrawOrder kOrders[] = {Order(1, kOrder)};

constexpr int32_t kCueMarks[] = {
    kCueSeaAmbience, 1, 0,
    kCueCannonShot, 36, 42, 48, 54, 60, 68, 72, 80, 84, 92, 96, 104, 108, 116, 120, 128, 132, 140, 144,
       152, 156, 164, 168, 176, 188, 0,
};
constexpr auto kCues = CueTable<kLength + 1>(kCueMarks);

}  // namespace

const SceneScript Scene2Script = Script(
    kSceneBrigFires, kBackdropOpenSea, kLength, kCast, kOrders, kCues,
    DissolveTo(kSceneFaceOff));
