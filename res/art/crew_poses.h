// The pose vocabulary of the sword fight and the deck work, shared by every
// character strip so that the same move looks the same on every figure.
#pragma once

#include "crew_rig.h"

namespace crew::poses {

Pose Guard();        // en garde: sword forward and up, back arm raised
Pose Advance();      // stepping in with the sword ready
Pose Lunge();        // full thrust, front knee bent, blade level
Pose ParryHigh();    // blade up before the face
Pose Flinch();       // blade up before the face, leaning back in alarm, eyes wide and mouth open
Pose ParryLow();     // blade down across the legs
Pose SwingHigh();    // wind-up, blade back over the head
Pose SlashLow();     // follow-through of a cut, blade down and forward
Pose Recoil();       // struck or backing away in alarm, leaning back, eyes wide
Pose Ready();        // standing, sword held up in front
Pose Step();         // walking with the sword ready
Pose StaggerBack();  // knocked back, arms thrown up
Pose Reeling();      // off balance, one foot in the air
Pose Toppling();     // tipping backwards over the rail
Pose Tumbling();     // head over heels in the air
Pose LyingOnBack(int nBlood);   // fell backwards: head behind, toes up
Pose LyingOnFront(int nBlood);  // fell forwards: face to the deck
Pose Point();        // arm and blade thrust up and forward: "at them!"
Pose Cheer();        // blade raised high, shouting
Pose Stroll(bool bStride);  // swaggering home, fist on the hip, blade lowered
Pose WalkLowered(int nPhase);  // 0..1: running, leaning in; 2: walking, sword hanging forward
Pose WalkBarrel(int nPhase);   // 0..3: walking with a barrel on the shoulder
Pose HoldPlank();    // plank held level at the hips, ready to lay it down

}  // namespace crew::poses
