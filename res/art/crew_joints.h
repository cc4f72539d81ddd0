// The pose solver of the figure rig: where the joints of a pose lie, legs
// and arms placed by two-bone inverse kinematics, in rig units. The figure
// painter (crew_rig.cpp) dresses what it finds.
#pragma once

#include "crew_rig.h"

namespace crew {

// Limb lengths and radii in rig units (about 120 units from sole to crown).
constexpr double kThigh = 26.0, kShin = 25.0;
constexpr double kTorso = 34.0, kNeck = 4.0, kHeadR = 11.5;
constexpr double kUpperArm = 19.0, kForearm = 18.0;
constexpr double kHandR = 4.3;

// A local frame: origin, forward axis and the axis 90 degrees clockwise.
struct Frame {
    Pt o, f, d;
    Pt At(double a, double b) const { return o + f * a + d * b; }
};

Frame MakeFrame(Pt o, double dHeading);

// Every joint of a posed figure; the torso and head headings in degrees.
struct Joints {
    Pt hip, shoulder, neck, head;
    double dTorso, dHead;
    Pt hipNear, kneeNear, ankleNear, hipFar, kneeFar, ankleFar;
    Pt elbowSword, wristSword, elbowFree, wristFree;
};

Joints Solve(const Pose& p);

}  // namespace crew
