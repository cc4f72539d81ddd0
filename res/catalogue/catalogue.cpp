// The load list and the shared colour table, as the pictures were authored.

#include "catalogue.h"

#include "actor_slots.h"

// Rows that fill several slots are repeated, one load per slot.
const LoadListEntry LoadList[kLoadListCount] = {
    // resource                backdrop          actor slot            frames  width  height  frame h
    //   what it shows
    {IDB_OPEN_SEA,             kBackdropOpenSea, kNoActorSlot,              1,   800,    600,     600,
     "open sea under a cloudy sky"},
    {IDB_SHIP_DECKS,           kBackdropDecks,   kNoActorSlot,              1,   800,    600,     600,
     "the two ships' decks seen from on board"},
    {IDB_BRIG,                 kNoBackdrop,      kSlotBrig,                 1,   512,    324,     324,
     "the navy brig, side view"},
    {IDB_GALLEON,              kNoBackdrop,      kSlotGalleon,              2,   392,    732,     366,
     "the pirate galleon, two poses"},
    {IDB_ENSIGN_SMALL,         kNoBackdrop,      kSlotEnsign,               2,    56,     74,      37,
     "small Union Jack (the brig's ensign), waving"},
    {IDB_JOLLY_ROGER_SMALL,    kNoBackdrop,      kSlotJollyRoger,           2,    64,     94,      47,
     "small Jolly Roger (the galleon's flag), waving"},
    {IDB_CANNON_FIRE,          kNoBackdrop,      kSlotCannonFireA,          4,    56,    132,      33,
     "cannon fire: flash (1, 3) and smoke puff (0, 2)"},
    {IDB_CANNON_FIRE,          kNoBackdrop,      kSlotCannonFireB,          4,    56,    132,      33,
     "cannon fire: flash (1, 3) and smoke puff (0, 2)"},
    {IDB_CANNON_FIRE,          kNoBackdrop,      kSlotCannonFireC,          4,    56,    132,      33,
     "cannon fire: flash (1, 3) and smoke puff (0, 2)"},
    {IDB_CANNON_FIRE,          kNoBackdrop,      kSlotCannonFireD,          4,    56,    132,      33,
     "cannon fire: flash (1, 3) and smoke puff (0, 2)"},
    {IDB_CANNON_FIRE,          kNoBackdrop,      kSlotCannonFireE,          4,    56,    132,      33,
     "cannon fire: flash (1, 3) and smoke puff (0, 2)"},
    {IDB_CANNON_FIRE,          kNoBackdrop,      kSlotCannonFireF,          4,    56,    132,      33,
     "cannon fire: flash (1, 3) and smoke puff (0, 2)"},
    {IDB_ENSIGN_LARGE,         kNoBackdrop,      kSlotUnionJackLarge,       2,    96,    128,      64,
     "large Union Jack, waving"},
    {IDB_JOLLY_ROGER_LARGE,    kNoBackdrop,      kSlotJollyRogerLarge,      2,    96,    134,      67,
     "large Jolly Roger, waving"},
    {IDB_CANNON_BLAST,         kNoBackdrop,      kSlotCannonBlast,          2,    96,    182,      91,
     "cannon blast"},
    {IDB_CANNONBALL,           kNoBackdrop,      kSlotCannonball,           2,    64,    122,      61,
     "flying cannonball"},
    {IDB_SMOKE_CLOUD,          kNoBackdrop,      kSlotSmokeA,               2,    80,    172,      86,
     "smoke cloud"},
    {IDB_SMOKE_CLOUD,          kNoBackdrop,      kSlotSmokeB,               2,    80,    172,      86,
     "smoke cloud"},
    {IDB_SHOT_HOLE,            kNoBackdrop,      kSlotShotHole,             1,    96,     86,      86,
     "shot hole"},
    {IDB_NAVY_OFFICER,         kNoBackdrop,      kSlotFencer,              10,   176,   1440,     144,
     "navy sailor: sword-fight and fallen poses"},
    {IDB_NAVY_SAILORS,         kNoBackdrop,      kSlotSailorA,             20,   176,   3020,     151,
     "navy sailor: sword-fight, falling and fallen poses"},
    {IDB_NAVY_SAILORS,         kNoBackdrop,      kSlotSailorB,             20,   176,   3020,     151,
     "navy sailor: sword-fight, falling and fallen poses"},
    {IDB_NAVY_SAILORS,         kNoBackdrop,      kSlotSailorC,             20,   176,   3020,     151,
     "navy sailor: sword-fight, falling and fallen poses"},
    {IDB_NAVY_SAILORS,         kNoBackdrop,      kSlotSailorD,             20,   176,   3020,     151,
     "navy sailor: sword-fight, falling and fallen poses"},
    {IDB_RED_COAT_PIRATE,      kNoBackdrop,      kSlotRedCoat,              9,   168,   1485,     165,
     "pirate in a red coat: sword-fight poses"},
    {IDB_PIRATE,               kNoBackdrop,      kSlotPirateA,             13,   192,   1924,     148,
     "pirate: sword-fight poses, carrying a plank or a barrel"},
    {IDB_PIRATE,               kNoBackdrop,      kSlotPirateB,             13,   192,   1924,     148,
     "pirate: sword-fight poses, carrying a plank or a barrel"},
    {IDB_PIRATE,               kNoBackdrop,      kSlotPirateC,             13,   192,   1924,     148,
     "pirate: sword-fight poses, carrying a plank or a barrel"},
    {IDB_SPLASH,               kNoBackdrop,      kSlotSplash,               2,    88,    200,     100,
     "water splash"},
    {IDB_PLANK,                kNoBackdrop,      kSlotPlank,                1,   176,     25,      25,
     "wooden plank"},
    {IDB_BLOOD,                kNoBackdrop,      kSlotSpatter,              2,    48,     42,      21,
     "red spatter (blood)"},
    {IDB_BRIG_RIGGING,         kNoBackdrop,      kSlotBrigRigging,          1,   448,    190,     190,
     "the brig's masts and sails alone"},
    {IDB_WAVES_WIDE,           kNoBackdrop,      kSlotWavesWide,            1,   544,    125,     125,
     "band of sea waves"},
    {IDB_BRIG_DISTANT,         kNoBackdrop,      kSlotBrigDistant,          1,   256,    162,     162,
     "the brig, small and distant"},
    {IDB_ENSIGN_TINY,          kNoBackdrop,      kSlotEnsignTiny,           2,    32,     37,      18,
     "tiny Union Jack, waving (top row unused)"},
    {IDB_GALLEON_HEELING,      kNoBackdrop,      kSlotGalleonHeeling,       1,   296,    333,     333,
     "the galleon heeling over"},
    {IDB_WAVES_NARROW,         kNoBackdrop,      kSlotWavesNarrow,          1,   432,    125,     125,
     "band of sea waves"},
    {IDB_GUN_PORTS,            kNoBackdrop,      kSlotGunPorts,             1,   128,    326,     326,
     "ship's side with cannon ports"},
    {IDB_GUN_PORTS_NARROW,     kNoBackdrop,      kSlotGunPortsNarrow,       1,    80,    300,     300,
     "ship's side with cannon ports, narrow"},
    {IDB_WATER_BETWEEN_HULLS,  kNoBackdrop,      kSlotWaterBetweenHulls,    1,   128,     74,      74,
     "water between the two hulls, with a mast"},
    {IDB_KRAKEN_EYES,          kNoBackdrop,      kSlotKrakenEyes,           2,   104,    116,      58,
     "the kraken's eyes, two looks"},
    {IDB_KRAKEN_EYES_SMALL,    kNoBackdrop,      kSlotKrakenEyesSmall,      1,    72,     40,      40,
     "the kraken's eyes, small"},
    {IDB_KRAKEN_RISING,        kNoBackdrop,      kSlotKrakenRising,         1,   232,    391,     391,
     "the kraken rising from the sea"},
    {IDB_KRAKEN_HEAD,          kNoBackdrop,      kSlotKrakenHead,           1,   296,    254,     254,
     "the kraken's head with tentacles"},
    {IDB_TENTACLE,             kNoBackdrop,      kSlotTentacle,             1,   176,    245,     245,
     "tentacle"},
    {IDB_TENTACLE_TWO_POSES,   kNoBackdrop,      kSlotTentacleTwoPoses,     2,   104,    312,     156,
     "tentacle, two poses"},
    {IDB_TENTACLE_THREE_POSES, kNoBackdrop,      kSlotTentacleThreePoses,   3,   160,    528,     176,
     "tentacle, three poses"},
    {IDB_TENTACLE_ROUND_MAST,  kNoBackdrop,      kSlotTentacleRoundMast,    1,   104,     57,      57,
     "tentacle curled around the mast above the rail"},
    {IDB_TENTACLE_TIP,         kNoBackdrop,      kSlotTentacleTipA,         4,    72,    336,      84,
     "tentacle tip, four poses"},
    {IDB_TENTACLE_TIP,         kNoBackdrop,      kSlotTentacleTipB,         4,    72,    336,      84,
     "tentacle tip, four poses"},
    {IDB_TENTACLE_TIP,         kNoBackdrop,      kSlotTentacleTipC,         4,    72,    336,      84,
     "tentacle tip, four poses"},
};

const PictureEntry OtherPictures[kOtherPictureCount] = {
    {kTitlePictureId, 800, 600, "title picture"},
    {kAboutPictureId, 359, 216, "About dialog artwork"},
    {kCreditsPictureId, 357, 150, "About dialog credits"},
};

// 0-194: the six-level colour cube (FF CC 99 66 33 00, red slowest) less 21
// combinations; 195-234: red, green, blue and grey ramps; 235: black;
// 236-245: light greys; 246-255: the fixed system colours.
const uint32_t SharedColourTable[256] = {
    0xFFFFFF, 0xFFFFCC, 0xFFFF99, 0xFFFF66, 0xFFFF33, 0xFFFF00, 0xFFCCFF, 0xFFCCCC,  // 0-7
    0xFFCC99, 0xFFCC66, 0xFFCC33, 0xFFCC00, 0xFF99FF, 0xFF99CC, 0xFF9999, 0xFF9966,  // 8-15
    0xFF9933, 0xFF9900, 0xFF6699, 0xFF6666, 0xFF6633, 0xFF6600, 0xFF3366, 0xFF3333,  // 16-23
    0xFF3300, 0xFF0033, 0xFF0000, 0xCCFFFF, 0xCCFFCC, 0xCCFF33, 0xCCFF00, 0xCCCCFF,  // 24-31
    0xCCCCCC, 0xCCCC99, 0xCCCC66, 0xCCCC33, 0xCCCC00, 0xCC99FF, 0xCC99CC, 0xCC9999,  // 32-39
    0xCC9966, 0xCC9933, 0xCC9900, 0xCC66FF, 0xCC66CC, 0xCC6699, 0xCC6666, 0xCC6633,  // 40-47
    0xCC6600, 0xCC33CC, 0xCC3399, 0xCC3366, 0xCC3333, 0xCC3300, 0xCC0066, 0xCC0033,  // 48-55
    0xCC0000, 0x99FFFF, 0x99CCFF, 0x99CCCC, 0x99CC99, 0x99CC66, 0x99CC33, 0x99CC00,  // 56-63
    0x9999FF, 0x9999CC, 0x999999, 0x999966, 0x999933, 0x999900, 0x9966FF, 0x9966CC,  // 64-71
    0x996699, 0x996666, 0x996633, 0x996600, 0x9933FF, 0x9933CC, 0x993399, 0x993366,  // 72-79
    0x993333, 0x993300, 0x9900FF, 0x9900CC, 0x990099, 0x990066, 0x990033, 0x990000,  // 80-87
    0x66FFFF, 0x66FFCC, 0x66FF99, 0x66FF66, 0x66FF33, 0x66FF00, 0x66CCFF, 0x66CCCC,  // 88-95
    0x66CC99, 0x66CC66, 0x66CC33, 0x66CC00, 0x6699FF, 0x6699CC, 0x669999, 0x669966,  // 96-103
    0x669933, 0x669900, 0x6666FF, 0x6666CC, 0x666699, 0x666666, 0x666633, 0x666600,  // 104-111
    0x6633FF, 0x6633CC, 0x663399, 0x663366, 0x663333, 0x663300, 0x6600FF, 0x6600CC,  // 112-119
    0x660099, 0x660066, 0x660033, 0x660000, 0x33FFFF, 0x33FFCC, 0x33FF99, 0x33FF66,  // 120-127
    0x33FF33, 0x33FF00, 0x33CCFF, 0x33CCCC, 0x33CC99, 0x33CC66, 0x33CC33, 0x33CC00,  // 128-135
    0x3399FF, 0x3399CC, 0x339999, 0x339966, 0x339933, 0x339900, 0x3366FF, 0x3366CC,  // 136-143
    0x336699, 0x336666, 0x336633, 0x336600, 0x3333FF, 0x3333CC, 0x333399, 0x333366,  // 144-151
    0x333333, 0x333300, 0x3300FF, 0x3300CC, 0x330099, 0x330066, 0x330033, 0x330000,  // 152-159
    0x00FFFF, 0x00FFCC, 0x00FF99, 0x00FF66, 0x00FF33, 0x00FF00, 0x00CCFF, 0x00CCCC,  // 160-167
    0x00CC99, 0x00CC66, 0x00CC33, 0x00CC00, 0x0099FF, 0x0099CC, 0x009999, 0x009966,  // 168-175
    0x009933, 0x009900, 0x0066FF, 0x0066CC, 0x006699, 0x006666, 0x006633, 0x006600,  // 176-183
    0x0033FF, 0x0033CC, 0x003399, 0x003366, 0x003333, 0x003300, 0x0000FF, 0x0000CC,  // 184-191
    0x000099, 0x000066, 0x000033, 0xEE0000, 0xDD0000, 0xBB0000, 0xAA0000, 0x880000,  // 192-199
    0x770000, 0x550000, 0x450000, 0x230000, 0x110000, 0x00EE00, 0x00DD00, 0x00BB00,  // 200-207
    0x00AA00, 0x008800, 0x007700, 0x005500, 0x004500, 0x002300, 0x001100, 0x0000EE,  // 208-215
    0x0000DD, 0x0000BB, 0x0000AA, 0x000088, 0x000077, 0x000055, 0x000045, 0x000023,  // 216-223
    0x000011, 0xEEEEEE, 0xDDDDDD, 0xBBBBBB, 0xAAAAAA, 0x888888, 0x777777, 0x555555,  // 224-231
    0x454545, 0x232323, 0x111111, 0x000000, 0x868686, 0x969696, 0xCBCBCB, 0xB2B2B2,  // 232-239
    0xD7D7D7, 0xDDDDDD, 0xE3E3E3, 0xEAEAEA, 0xF1F1F1, 0xF8F8F8, 0xFFFBF0, 0xA0A0A4,  // 240-247
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,  // 248-255
};
