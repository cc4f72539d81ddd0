// The figure rig shared by every character strip: one skeleton with fixed
// limb lengths, posed by a hip position, torso and head angles and targets
// for the feet and hands (two-bone inverse kinematics), dressed by an outfit.
// Poses are authored facing +x in rig units with the ground at y = 0 and y
// growing downwards; the painter places, scales and mirrors them.
#pragma once

#include <cairo.h>

#include "crew_ink.h"

namespace crew {

enum class Hat { kRound, kBicorne, kTricorne, kBandana };
enum class Blade { kStraight, kCutlass };
enum class Face { kCalm, kShout, kGrit, kPain, kFright, kDead };
enum class Carry { kSword, kBarrel, kPlank };

struct Outfit {
    Tones skin, hair;
    Tones shirt;      // torso and upper sleeves
    bool bVest;       // a sleeveless waistcoat over the shirt, open at the front
    Tones vest;
    bool bStripes;    // red bands across the white of `shirt`
    Tones stripe;
    bool bBareForearms;
    Tones cuff;       // sleeve ends (jackets) or none when equal to shirt
    Tones trousers;   // thighs and shins
    bool bShortTrousers;  // breeches to the knee, then stockings in `shins`
    Tones shins;
    Tones shoe;
    bool bTallBoots;  // boots up the shin with a folded top
    Tones belt;       // belt or sash
    bool bSash;       // a knotted sash with hanging ends
    bool bTails;      // a jacket or coat with skirts below the belt
    bool bLongCoat;   // skirts to the knee
    Tones trim;       // buttons, coat edges, guard of the sword
    Tones scarf;      // neckerchief
    bool bScarf;
    Hat eHat;
    Tones hat, hatTrim;
    bool bBeard, bStubble, bEarring, bEpaulettes;
    Blade eBlade;
};

struct Pose {
    Pt hip;                 // pelvis centre
    double dTorso;           // degrees; + leans forward, -90 lies on the back
    double dHead;            // degrees relative to the torso; + nods forward
    Pt footNear, footFar;   // ankle targets
    Pt handSword, handFree; // hand targets, relative to the shoulder
    double dSword;           // blade heading: 0 forward, -90 up, 90 down
    int nKneeNear, nKneeFar; // +1 knee bends forward, -1 backward
    int nElbowSword, nElbowFree;  // +1 elbow bends down/out, -1 up
    bool bFlatNear, bFlatFar;     // sole flat on the ground, else square to the shin
    Face eFace;
    Carry eCarry;
    int nBlood;              // 0 none; 1 fresh pool; 2 larger pool
    bool bDropped;           // the sword lies on the deck at `hilt`
    Pt hilt;
};

// Where a figure stands in its frame: the rig's origin at (dX, dY) in frame
// pixels, dScale pixels per rig unit, facing +x when nDir = 1, -x when -1.
struct Placement {
    double dX, dY, dScale;
    int nDir;
};

void DrawFigure(cairo_t* cr, const Outfit& outfit, const Pose& pose, const Placement& at);

}  // namespace crew
