// The scenes by number: the dissolve between them, and the eight scripted
// scenes of a cycle. Each cycle plays 1, 2 and 3, then either the pirates'
// ending (4, 5, 6) or the kraken's (7, 8), with dissolves in between.
#pragma once

enum SceneId : int {
    kSceneDissolve,         // 0
    kSceneShipsAtSea,       // 1: the brig drifts, the galleon sails in
    kSceneBrigFires,        // 2: the brig's broadside
    kSceneFaceOff,          // 3: the crews face each other on the decks
    kSceneSwordFight,       // 4: the pirates board and win the fight
    kScenePlunder,          // 5: the pirates carry off the barrels
    kSceneBrigSinks,        // 6: the galleon sinks the brig
    kSceneKrakenRises,      // 7: the kraken comes up between the hulls
    kSceneGalleonGoesDown,  // 8: the kraken drags the galleon down
    kSceneCount,
};

// The two outcomes of a cycle: the scene that follows the face-off.
constexpr SceneId kScenePiratesWin = kSceneSwordFight;
constexpr SceneId kSceneKrakenWins = kSceneKrakenRises;
