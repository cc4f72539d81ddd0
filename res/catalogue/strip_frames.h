// The named frames of every strip: what each frame of a sprite strip shows,
// by its index (frame 0 is the strip's bottom frame). The painters paint a
// strip's frames by these names, the catalogue takes each strip's frame
// count from them, and the scenes pick frames by them; res/art/FRAMES.md
// describes the pictures behind the names.
#pragma once

#include <cstdint>

namespace frames {

// The flags (133, 135, 152, 153, 186): two phases of the cloth's ripple.
enum Flag : int32_t { kRippleA, kRippleB, kFlagFrames };

// 134, the galleon.
enum Galleon : int32_t {
    kGalleonUpright,  // at rest, cut at its waterline
    kGalleonPitched,  // sailing in, bow down on a swell
    kGalleonFrames
};

// 137, cannon fire: the shot's puff and the muzzle flash.
enum CannonFire : int32_t {
    kPuff,               // the gunsmoke rolling away up and left, no ball
    kFlash,              // flash bursting left from a mouth at the right edge
    kPuffWithBall,       // the shot flying up and left: the ball ahead of a thick trail of smoke
    kFlashFromPort,      // the brig's gun firing out of its port, flame up and left
    kCannonFireFrames
};

// 178, the cannon blast over the decks.
enum CannonBlast : int32_t {
    kBlastLeft,   // from the pirate gun's mouth, bursting left
    kBlastRight,  // from the navy gun's mouth, bursting up and right
    kCannonBlastFrames
};

// 177, the cannonball.
enum Cannonball : int32_t { kBallFlyingLeft, kBallFlyingRight, kCannonballFrames };

// 179, the smoke cloud: two shapes.
enum SmokeCloud : int32_t { kSmokeShapeA, kSmokeShapeB, kSmokeCloudFrames };

// 160, the navy officer, facing right.
enum Officer : int32_t {
    kOfficerDead,           // on his back, no blood
    kOfficerAdvance,        // a step forward, sword ready
    kOfficerWindUp,         // blade back over the head
    kOfficerCutLow,         // cut followed through low
    kOfficerLunge,          // blade level
    kOfficerParryHigh,      // blade up before the face
    kOfficerRecoil,         // leaning back
    kOfficerGuard,          // en garde
    kOfficerDeadBleeding,   // kOfficerDead with a fresh pool of blood
    kOfficerDeadBled,       // the pool spread wider
    kOfficerFrames
};

// 172, the navy sailors, facing right.
enum Sailor : int32_t {
    kSailorDeadFaceDown,           // head to the right, no blood
    kSailorAdvance,                // a step forward
    kSailorDeadOnBack,             // head to the left, no blood
    kSailorLunge,
    kSailorParryHigh,
    kSailorWindUp,                 // blade over the head
    kSailorRecoil,                 // leaning back
    kSailorCutLow,                 // cut followed through low
    kSailorParryLow,               // blade down across the legs
    kSailorGuard,                  // en garde
    kSailorTumbling,               // head over heels overboard
    kSailorToppling,               // backwards over the rail, feet in the air
    kSailorStep,                   // a wary step, sword ready
    kSailorReady,                  // standing ready, blade held up
    kSailorKnockedBack,            // arms thrown up
    kSailorReeling,                // off balance, one foot off the deck
    kSailorDeadFaceDownBleeding,   // kSailorDeadFaceDown with a fresh pool of blood
    kSailorDeadFaceDownBled,       // the pool wider
    kSailorDeadOnBackBleeding,     // kSailorDeadOnBack with a fresh pool of blood
    kSailorDeadOnBackBled,         // the pool wider
    kSailorFrames
};

// 162, the pirate captain in the red coat: facing left but for the last two.
enum RedCoat : int32_t {
    kRedCoatGuard,
    kRedCoatWindUp,
    kRedCoatLunge,         // the killing thrust
    kRedCoatParryHigh,
    kRedCoatAtThem,        // arm and blade thrust up and forward, shouting
    kRedCoatCheer,         // blade raised high
    kRedCoatReady,         // blade up before him, fist on the hip
    kRedCoatStrideRight,   // swaggering home: a stride
    kRedCoatStanceRight,   // and a stance
    kRedCoatFrames
};

// 163, the pirates.
enum Pirate : int32_t {
    kPirateCarryContact,        // facing right under a barrel: contact,
    kPirateCarryPassing,        // passing,
    kPirateCarryContactOther,   // contact on the other foot,
    kPirateCarryPassingOther,   // passing
    kPirateGuard,               // facing left from here on
    kPirateLunge,
    kPirateWindUp,
    kPirateCutLow,
    kPirateFlinch,              // blade up before the face, leaning back in alarm
    kPirateWalkNearFoot,        // walking left, cutlass lowered: near foot forward,
    kPirateWalkPassing,         // passing,
    kPirateWalkFarFoot,         // far foot forward
    kPirateHoldPlank,           // holding the plank level at the hips
    kPirateFrames
};

// 165, the splash.
enum Splash : int32_t {
    kSplashFalling,  // the water falling back in a low crown
    kSplashColumn,   // the column thrown up
    kSplashFrames
};

// 176, the blood spatter.
enum Spatter : int32_t {
    kSpatterDrops,  // the drops falling further and lower
    kSpatterSpurt,  // the spurt from the wound
    kSpatterFrames
};

// 209, the rising kraken's eyes.
enum KrakenEyes : int32_t { kEyesOpen, kEyesShut, kKrakenEyesFrames };

// 206, the tentacle round the pirates' mast.
enum TentacleTwoPoses : int32_t {
    kMastCurlUp,        // its free end curling up and over
    kMastCurlReaching,  // its free end reaching out to the right
    kTentacleTwoPosesFrames
};

// 207, the writhing tentacle behind the dome.
enum TentacleThreePoses : int32_t {
    kWritheA,       // two S-curves that alternate
    kWritheB,
    kWritheLunge,   // lunging out to the right
    kTentacleThreePosesFrames
};

// 204, the tentacle tips: two wriggles rising from the bottom right and
// hooking left, then two rising from the bottom left and curling back left.
enum TentacleTip : int32_t {
    kTipHookLeftA,
    kTipHookLeftB,
    kTipCurlBackA,
    kTipCurlBackB,
    kTentacleTipFrames
};

}  // namespace frames
