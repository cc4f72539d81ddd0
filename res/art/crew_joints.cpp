// The pose solver: a pose's hip, headings and hand and foot targets turned
// into joints, each limb bent at its middle joint to reach its target.

#include "crew_joints.h"

#include <algorithm>
#include <cmath>

namespace crew {

namespace {

// Two-bone solver: the middle joint of a limb from root a to target t.
Pt SolveJoint(Pt a, Pt t, double l1, double l2, int nSide) {
    Pt u = t - a;
    double d = geo::Length(u);
    if (d < 1e-6) return a + Pt{0.0, l1};
    u = u * (1.0 / d);
    d = std::clamp(d, std::fabs(l1 - l2) + 0.01, l1 + l2 - 0.01);
    const double dAlong = (l1 * l1 - l2 * l2 + d * d) / (2.0 * d);
    const double dOff = std::sqrt(std::max(0.0, l1 * l1 - dAlong * dAlong));
    const Pt n = {-u.y, u.x};
    return a + u * dAlong + n * (dOff * nSide);
}

// The end of a limb: the target, or as far as the limb reaches towards it.
Pt Reach(Pt a, Pt t, double dMax) {
    const Pt u = t - a;
    const double d = geo::Length(u);
    return d <= dMax ? t : a + u * (dMax / d);
}

}  // namespace

Frame MakeFrame(Pt o, double dHeading) {
    const Pt f = geo::Heading(dHeading);
    return {o, f, {-f.y, f.x}};
}

Joints Solve(const Pose& p) {
    Joints j{};
    j.hip = p.hip;
    j.dTorso = p.dTorso;
    j.dHead = p.dTorso + p.dHead;
    const Frame torso = MakeFrame(p.hip, p.dTorso);  // f forward, d down
    j.shoulder = torso.At(1.0, -kTorso);
    j.neck = torso.At(1.5, -kTorso - 2.0);
    j.head = j.neck + geo::Heading(j.dHead - 90.0) * (kNeck + kHeadR);
    j.hipNear = torso.At(1.5, 0.0);
    j.hipFar = torso.At(-1.5, 0.0);
    j.ankleNear = Reach(j.hipNear, p.footNear, kThigh + kShin - 0.05);
    j.ankleFar = Reach(j.hipFar, p.footFar, kThigh + kShin - 0.05);
    j.kneeNear = SolveJoint(j.hipNear, j.ankleNear, kThigh, kShin, -p.nKneeNear);
    j.kneeFar = SolveJoint(j.hipFar, j.ankleFar, kThigh, kShin, -p.nKneeFar);
    j.wristSword = Reach(j.shoulder, j.shoulder + p.handSword, kUpperArm + kForearm - 0.05);
    j.wristFree = Reach(j.shoulder, j.shoulder + p.handFree, kUpperArm + kForearm - 0.05);
    j.elbowSword = SolveJoint(j.shoulder, j.wristSword, kUpperArm, kForearm, p.nElbowSword);
    j.elbowFree = SolveJoint(j.shoulder, j.wristFree, kUpperArm, kForearm, p.nElbowFree);
    return j;
}

}  // namespace crew
