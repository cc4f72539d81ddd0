// Pose tables of the crews, in rig units (forward = +x, ground at y = 0).

#include "crew_poses.h"

namespace crew::poses {

namespace {

Pose Make(Pt hip, double dTorso, Pt footNear, Pt footFar, Pt handSword, double dSword, Pt handFree,
          Face eFace) {
    Pose p{};
    p.hip = hip;
    p.dTorso = dTorso;
    p.dHead = 0.0;
    p.footNear = footNear;
    p.footFar = footFar;
    p.handSword = handSword;
    p.handFree = handFree;
    p.dSword = dSword;
    p.nKneeNear = p.nKneeFar = 1;
    p.nElbowSword = p.nElbowFree = 1;
    p.bFlatNear = p.bFlatFar = true;
    p.eFace = eFace;
    p.eCarry = Carry::kSword;
    p.nBlood = 0;
    return p;
}

}  // namespace

Pose Guard() {
    Pose p = Make({0, -50}, 4, {18, -5}, {-20, -5}, {21, 7}, -32, {-24, -4}, Face::kGrit);
    return p;
}

Pose Advance() {
    Pose p = Make({6, -52}, 7, {30, -10}, {-14, -5}, {24, 4}, -22, {-24, -2}, Face::kGrit);
    p.bFlatFar = false;
    return p;
}

Pose Lunge() {
    Pose p = Make({2, -40}, 14, {38, -5}, {-32, -5}, {33, 5}, 2, {-24, 10}, Face::kShout);
    p.nElbowFree = -1;
    return p;
}

Pose ParryHigh() {
    Pose p = Make({-2, -51}, -4, {16, -5}, {-20, -5}, {24, 8}, -68, {-20, 6}, Face::kGrit);
    p.nElbowSword = 1;
    return p;
}

Pose Flinch() {
    Pose p = Make({-6, -51}, -12, {14, -5}, {-22, -5}, {22, 6}, -72, {-20, 4}, Face::kFright);
    p.nElbowSword = 1;
    p.dHead = -8;
    return p;
}

Pose ParryLow() {
    Pose p = Make({0, -48}, 8, {20, -5}, {-18, -5}, {20, 16}, 108, {-24, -6}, Face::kGrit);
    return p;
}

Pose SwingHigh() {
    Pose p = Make({-2, -52}, -8, {14, -5}, {-22, -5}, {8, -22}, -155, {18, 4}, Face::kShout);
    p.nElbowSword = 1;
    return p;
}

Pose SlashLow() {
    Pose p = Make({8, -45}, 20, {34, -5}, {-24, -5}, {28, 21}, 50, {-20, -12}, Face::kGrit);
    p.bFlatFar = false;
    return p;
}

Pose Recoil() {
    Pose p = Make({-8, -52}, -16, {12, -5}, {-26, -5}, {14, 16}, 62, {-24, -12}, Face::kFright);
    p.dHead = -12;
    return p;
}

Pose Ready() {
    Pose p = Make({0, -54}, 0, {9, -5}, {-9, -5}, {15, 9}, -70, {-3, 30}, Face::kCalm);
    return p;
}

Pose Step() {
    Pose p = Make({4, -53}, 4, {20, -6}, {-16, -6}, {17, 7}, -58, {-9, 27}, Face::kCalm);
    p.bFlatFar = false;
    return p;
}

Pose StaggerBack() {
    Pose p = Make({-8, -52}, -26, {14, -5}, {-24, -5}, {18, -2}, -130, {-26, -10}, Face::kPain);
    p.dHead = -15;
    p.nElbowFree = -1;
    return p;
}

Pose Reeling() {
    Pose p = Make({-12, -48}, -38, {20, -20}, {-24, -5}, {20, -10}, -45, {-20, -26}, Face::kPain);
    p.dHead = -20;
    p.bFlatNear = false;
    p.nElbowFree = -1;
    return p;
}

Pose Toppling() {
    Pose p = Make({0, -62}, -70, {34, -84}, {24, -70}, {22, -12}, -40, {-6, -30}, Face::kPain);
    p.dHead = -20;
    p.bFlatNear = p.bFlatFar = false;
    p.nElbowFree = -1;
    return p;
}

Pose Tumbling() {
    Pose p = Make({0, -85}, -165, {16, -123}, {-4, -117}, {22, 10}, 60, {-24, 8}, Face::kShout);
    p.dHead = -10;
    p.bFlatNear = p.bFlatFar = false;
    p.nKneeNear = p.nKneeFar = -1;
    return p;
}

Pose LyingOnBack(int nBlood) {
    Pose p = Make({14, -20}, -88, {62, -13}, {55, -12}, {6, 13}, -172, {-14, -8}, Face::kDead);
    p.dHead = 8;
    p.bFlatNear = p.bFlatFar = false;
    p.nElbowSword = -1;
    p.nElbowFree = 1;
    p.nBlood = nBlood;
    p.bDropped = true;
    p.hilt = {-6, -5};
    return p;
}

Pose LyingOnFront(int nBlood) {
    Pose p = Make({-16, -22}, 88, {-64, -17}, {-58, -19}, {12, 9}, -14, {4, 8}, Face::kDead);
    p.dHead = -20;
    p.bFlatNear = p.bFlatFar = false;
    p.nKneeNear = p.nKneeFar = -1;
    p.nBlood = nBlood;
    p.bDropped = true;
    p.hilt = {30, -8};
    return p;
}

Pose Point() {
    Pose p = Make({0, -53}, 2, {12, -5}, {-12, -5}, {32, -10}, -25, {-3, 20}, Face::kShout);
    return p;
}

Pose Cheer() {
    Pose p = Make({0, -54}, -4, {10, -5}, {-10, -5}, {14, -22}, -30, {-3, 20}, Face::kShout);
    return p;
}

Pose Stroll(bool bStride) {
    Pose p = bStride ? Make({3, -52}, 5, {20, -5}, {-18, -5}, {12, 28}, 62, {-3, 20}, Face::kGrit)
                     : Make({1, -54}, 2, {9, -5}, {-10, -5}, {10, 29}, 70, {-3, 20}, Face::kGrit);
    p.bFlatFar = !bStride;
    return p;
}

Pose WalkLowered(int nPhase) {
    switch (nPhase) {
    // The first two phases are a brisk run, leaning into it with a long
    // stride and the free arm pumping: off to fetch more, or off the stage.
    case 0: {
        Pose p = Make({5, -49}, 16, {28, -5}, {-26, -12}, {18, 14}, 35, {-20, 4}, Face::kShout);
        p.bFlatFar = false;
        p.nElbowFree = -1;
        return p;
    }
    case 1: {
        Pose p = Make({4, -54}, 14, {6, -5}, {-8, -24}, {10, 20}, 45, {8, 2}, Face::kShout);
        p.bFlatFar = false;
        return p;
    }
    default: {
        Pose p = Make({0, -52}, 4, {-18, -5}, {18, -5}, {-3, 31}, 76, {10, 28}, Face::kCalm);
        p.bFlatNear = false;
        return p;
    }
    }
}

Pose WalkBarrel(int nPhase) {
    static const Pt kNear[4] = {{18, -5}, {4, -5}, {-18, -5}, {-2, -14}};
    static const Pt kFar[4] = {{-18, -5}, {-2, -14}, {18, -5}, {4, -5}};
    const double dBob = (nPhase % 2 == 1) ? -3.0 : 0.0;
    // Bowed forward under the weight, knees bent, head up to see the way.
    Pose p = Make({3, -49 + dBob}, 12, kNear[nPhase], kFar[nPhase], {-2, -35}, 0, {-40, -6}, Face::kGrit);
    p.dHead = -10;
    p.bFlatNear = nPhase != 2 && nPhase != 3;
    p.bFlatFar = nPhase != 0 && nPhase != 1;
    p.nElbowFree = -1;
    p.eCarry = Carry::kBarrel;
    return p;
}

Pose HoldPlank() {
    Pose p = Make({0, -52}, 8, {10, -5}, {-12, -5}, {14, 25}, 0, {-6, 27}, Face::kGrit);
    p.eCarry = Carry::kPlank;
    return p;
}

}  // namespace crew::poses
