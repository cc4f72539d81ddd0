// The actor slots and the backdrops by name: each slot holds one sprite
// strip, named after the picture it shows. The load list fills them, the
// scenes' casts step and draw them. A picture that several actors show at
// once is loaded once per slot (A, B, C ...).
#pragma once

// The two backdrops that scenes are drawn on.
enum BackdropId : int {
    kBackdropOpenSea,  // the open sea under a cloudy sky
    kBackdropDecks,    // the two ships' decks seen from on board
};

enum ActorSlot : int {
    kSlotBrig,                 // the navy brig, side view
    kSlotGalleon,              // the pirate galleon, two poses
    kSlotEnsign,               // the brig's small Union Jack
    kSlotJollyRoger,           // the galleon's small Jolly Roger
    kSlotCannonFireA,          // cannon fire: flash and smoke puff, one per gun
    kSlotCannonFireB,
    kSlotCannonFireC,
    kSlotCannonFireD,
    kSlotCannonFireE,
    kSlotCannonFireF,
    kSlotUnionJackLarge,       // the flags over the two decks
    kSlotJollyRogerLarge,
    kSlotCannonBlast,
    kSlotCannonball,
    kSlotSmokeA,               // smoke clouds
    kSlotSmokeB,
    kSlotShotHole,
    kSlotFencer,               // the navy officer, who fences
    kSlotSailorA,              // navy sailors
    kSlotSailorB,
    kSlotSailorC,
    kSlotSailorD,
    kSlotRedCoat,              // the pirate in the red coat
    kSlotPirateA,              // pirates
    kSlotPirateB,
    kSlotPirateC,
    kSlotSplash,
    kSlotPlank,
    kSlotSpatter,              // blood, shown only with blood on
    kSlotBrigRigging,          // the brig's masts and sails alone
    kSlotWavesWide,            // bands of sea waves
    kSlotBrigDistant,
    kSlotEnsignTiny,
    kSlotGalleonHeeling,
    kSlotWavesNarrow,
    kSlotGunPorts,             // ships' sides with cannon ports
    kSlotGunPortsNarrow,
    kSlotWaterBetweenHulls,
    kSlotKrakenEyes,
    kSlotKrakenEyesSmall,
    kSlotKrakenRising,
    kSlotKrakenHead,
    kSlotTentacle,
    kSlotTentacleTwoPoses,
    kSlotTentacleThreePoses,
    kSlotTentacleRoundMast,
    kSlotTentacleTipA,         // tentacle tips, four poses each
    kSlotTentacleTipB,
    kSlotTentacleTipC,
    kSlotsLoaded,              // the slots that the load list fills; the rest stay empty
};
