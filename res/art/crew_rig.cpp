// The figure painter: the solver's joints dressed, limbs, clothes, head and
// sword painted back to front (far limbs in their shadow tones), with the
// props a figure carries.

#include "crew_rig.h"

#include <algorithm>
#include <cmath>

#include "crew_joints.h"
#include "props.h"
#include "style.h"

namespace crew {

namespace {

constexpr Tones kSteel = {style::kSteelShade, style::kSteel, style::kSteelShine};
constexpr Tones kGrip = {style::kWoodDark, style::kSwordGrip, style::kWood};
constexpr Tones kBlood = {style::kBloodDark, style::kBlood, style::kBloodLight};
constexpr Tones kCuffLeather = {style::kLeatherShade, style::kLeather, style::kLeatherLight};

// The shadow side of a surface, for the limbs that face away.
Tones Far(const Tones& t) { return {t.shade, t.shade, t.base}; }

bool SameTones(const Tones& a, const Tones& b) {
    return a.shade == b.shade && a.base == b.base && a.light == b.light;
}

void Stripes(cairo_t* cr, const Frame& fr, double dFrom, double dTo, double dStep, double dWidth) {
    for (double b = dFrom; b < dTo; b += dStep) {
        const Pt p[4] = {fr.At(-40, b), fr.At(40, b), fr.At(40, b + dWidth), fr.At(-40, b + dWidth)};
        AddPolygon(cr, p, 4);
    }
}

// ---- Legs -----------------------------------------------------------------

void DrawFoot(cairo_t* cr, const Outfit& o, Pt ankle, Pt knee, bool bFlat, bool bFar) {
    double dHeading = 0.0;
    if (!bFlat) {
        const Pt s = ankle - knee;
        dHeading = geo::Degrees(std::atan2(s.y, s.x)) - 90.0;
    }
    // A tilted shoe never sinks through the deck: turn it back towards flat.
    for (int i = 0; i < 30 && !bFlat; ++i) {
        const Frame t = MakeFrame(ankle, dHeading);
        if (std::max(t.At(14.5, 3.5).y, t.At(-5.5, 2.5).y) <= 0.5) break;
        dHeading += dHeading > 0.0 ? -3.0 : 3.0;
    }
    const Frame fr = MakeFrame(ankle, dHeading);
    const Pt shoe[] = {fr.At(-5.0, -3.0), fr.At(-5.5, 2.5), fr.At(-3.0, 5.0), fr.At(11.0, 5.0),
                        fr.At(14.5, 3.5),  fr.At(14.0, 0.5), fr.At(8.0, -2.0), fr.At(1.0, -4.5)};
    DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, shoe, 8); }, bFar ? Far(o.shoe) : o.shoe, 2.0, 2.0,
               1.5);
}

void DrawLeg(cairo_t* cr, const Outfit& o, Pt hip, Pt knee, Pt ankle, bool bFlat, bool bFar) {
    const Tones trousers = bFar ? Far(o.trousers) : o.trousers;
    const Tones shins = bFar ? Far(o.shins) : o.shins;
    const Tones boot = bFar ? Far(o.shoe) : o.shoe;
    auto thigh = [&](cairo_t* c) { AddCapsule(c, hip, knee, 7.0, 5.6); };
    auto shin = [&](cairo_t* c) { AddCapsule(c, knee, ankle, 5.6, 4.3); };
    if (!o.bShortTrousers) {
        DrawShaded(cr, [&](cairo_t* c) { thigh(c); shin(c); }, trousers);
    } else {
        DrawShaded(cr, shin, shins);
        DrawShaded(cr, thigh, trousers);
    }
    if (o.bTallBoots) {
        // The boot up the shin, its top folded down in a brown cuff.
        const Pt top = knee + (ankle - knee) * 0.18;
        DrawShaded(cr, [&](cairo_t* c) { AddCapsule(c, top, ankle, 6.0, 5.0); }, boot);
        DrawShaded(cr, [&](cairo_t* c) { AddCapsule(c, top, knee + (ankle - knee) * 0.3, 6.6, 6.2); },
                   bFar ? Far(kCuffLeather) : kCuffLeather, 1.6, 1.5, 1.0);
    }
    DrawFoot(cr, o, ankle, knee, bFlat, bFar);
}

// ---- Arms and sword ---------------------------------------------------------

void DrawSword(cairo_t* cr, const Outfit& o, Pt hand, double dHeading) {
    const Frame fr = MakeFrame(hand, dHeading);
    if (o.eBlade == Blade::kStraight) {
        const Pt blade[] = {fr.At(5.0, -1.9), fr.At(44.0, -1.6), fr.At(51.0, 0.0), fr.At(44.0, 1.6),
                             fr.At(5.0, 1.9)};
        DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, blade, 5); }, kSteel, 1.6, 1.2, 1.0);
        DrawShaded(cr, [&](cairo_t* c) { AddCapsule(c, fr.At(4.5, -5.5), fr.At(4.5, 5.5), 1.8, 1.8); },
                   o.trim, 1.4, 1.0, 0.8);
    } else {
        const Pt blade[] = {fr.At(5.0, -2.4), fr.At(30.0, -3.0), fr.At(40.0, -2.2), fr.At(45.0, 0.8),
                             fr.At(38.0, 4.2), fr.At(20.0, 4.0), fr.At(5.0, 2.6)};
        DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, blade, 7); }, kSteel, 1.6, 1.4, 1.0);
        // A brass cup on the blade side of the hand.
        DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, fr.At(4.0, 1.5), 2.6, 6.5, dHeading); },
                   o.trim, 1.4, 1.0, 0.8);
    }
    DrawShaded(cr, [&](cairo_t* c) { AddCapsule(c, fr.At(-6.5, 0.0), fr.At(1.0, 0.0), 1.9, 1.9); },
               kGrip, 1.4, 1.0, 0.5);
}

void DrawArm(cairo_t* cr, const Outfit& o, Pt shoulder, Pt elbow, Pt wrist, bool bFar) {
    const Tones shirt = bFar ? Far(o.shirt) : o.shirt;
    const Tones stripe = bFar ? Far(o.stripe) : o.stripe;
    const Tones skin = bFar ? Far(o.skin) : o.skin;
    const Tones cuff = bFar ? Far(o.cuff) : o.cuff;
    const Pt axis = elbow - shoulder;
    const double dAxis = geo::Degrees(std::atan2(axis.y, axis.x));
    auto upper = [&](cairo_t* c) { AddCapsule(c, shoulder, elbow, 5.4, 4.4); };
    auto fore = [&](cairo_t* c) { AddCapsule(c, elbow, wrist, 4.3, 3.5); };
    auto sleevePaint = [&](cairo_t* c, int nLevel) {
        const Tones& t = shirt;
        style::SetColour(c, nLevel == 0 ? t.shade : nLevel == 1 ? t.base : t.light);
        cairo_paint(c);
        if (o.bStripes) {
            // Bands across the arm, the same pitch as on the chest.
            const Frame fr = MakeFrame(shoulder, dAxis - 90.0);
            cairo_new_path(c);
            Stripes(c, fr, -30.0, 30.0, 6.0, 3.0);
            style::SetColour(c, nLevel == 0 ? stripe.shade : nLevel == 1 ? stripe.base : stripe.light);
            cairo_fill(c);
        }
    };
    if (o.bBareForearms) {
        DrawShaded(cr, fore, skin);
        DrawPatterned(cr, [&](cairo_t* c) { AddCapsule(c, shoulder, elbow + (elbow - shoulder) * 0.12, 5.4, 5.0); },
                      sleevePaint);
    } else {
        DrawPatterned(cr, [&](cairo_t* c) { upper(c); fore(c); }, sleevePaint);
        if (!SameTones(o.cuff, o.shirt)) {
            const Pt from = elbow + (wrist - elbow) * 0.72;
            DrawShaded(cr, [&](cairo_t* c) { AddCapsule(c, from, wrist, 4.3, 4.0); }, cuff, 1.6, 1.5, 1.0);
        }
    }
    (void)upper;
}

void DrawHand(cairo_t* cr, const Outfit& o, Pt wrist, Pt elbow, bool bFar) {
    const Pt dir = wrist - elbow;
    const Pt c = wrist + dir * (1.8 / std::max(1e-6, geo::Length(dir)));
    DrawShaded(cr, [&](cairo_t* cc) { AddCircle(cc, c, kHandR); }, bFar ? Far(o.skin) : o.skin, 1.8,
               1.5, 1.0);
}

Pt HandCentre(Pt wrist, Pt elbow) {
    const Pt dir = wrist - elbow;
    return wrist + dir * (1.8 / std::max(1e-6, geo::Length(dir)));
}

// ---- Torso, clothes -----------------------------------------------------------

void DrawTorso(cairo_t* cr, const Outfit& o, const Joints& j, const Pose& p) {
    const Frame fr = MakeFrame(j.hip, j.dTorso);
    // (forward, down) in the torso frame; the torso rises to -kTorso.
    const Pt body[] = {fr.At(-8.5, 3.0),   fr.At(-9.5, -10.0), fr.At(-10.5, -22.0),
                        fr.At(-9.0, -32.0), fr.At(-3.0, -37.0), fr.At(5.5, -35.5),
                        fr.At(10.0, -27.0), fr.At(10.0, -14.0), fr.At(9.0, 3.0),
                        fr.At(0.0, 5.0)};
    auto path = [&](cairo_t* c) { AddBlob(c, body, 10); };
    DrawPatterned(cr, path, [&](cairo_t* c, int nLevel) {
        const Tones& t = o.shirt;
        style::SetColour(c, nLevel == 0 ? t.shade : nLevel == 1 ? t.base : t.light);
        cairo_paint(c);
        if (o.bStripes) {
            cairo_new_path(c);
            Stripes(c, fr, -40.0, 6.0, 6.0, 3.0);
            const Tones& s = o.stripe;
            style::SetColour(c, nLevel == 0 ? s.shade : nLevel == 1 ? s.base : s.light);
            cairo_fill(c);
        }
    });
    if (o.bVest) {
        // Back and sides under the waistcoat; the shirt shows down the open front.
        const Pt vest[] = {fr.At(-8.5, 2.0),   fr.At(-9.5, -10.0), fr.At(-10.5, -22.0), fr.At(-9.0, -32.0),
                            fr.At(-3.0, -37.0), fr.At(1.5, -36.0),  fr.At(3.5, -24.0),   fr.At(5.5, -8.0),
                            fr.At(4.5, 2.0)};
        DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, vest, 9); }, o.vest, 1.6, 1.5, 1.0);
    }
    if (!o.bStripes) {
        // Jacket: the shirt shows in a wedge at the chest, buttons along the edge.
        const Pt shirtFront[] = {fr.At(5.0, -35.5), fr.At(10.5, -27.0), fr.At(10.0, -17.0),
                                  fr.At(7.0, -26.0)};
        DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, shirtFront, 4); },
                   {style::kWhiteClothShade, style::kTrousers, style::kTrousers}, 1.4, 1.5, 1.0);
        for (int i = 0; i < 3; ++i) {
            const Pt b = fr.At(6.0 - i * 0.3, -22.0 + i * 7.0);
            DrawShaded(cr, [&](cairo_t* c) { AddCircle(c, b, 1.4); }, o.trim, 1.0, 0.8, 0.5);
        }
    }
    if (o.bScarf) {
        const Pt knot[] = {fr.At(2.0, -36.5), fr.At(9.5, -33.0), fr.At(11.0, -28.0),
                            fr.At(7.0, -24.0), fr.At(4.0, -30.0)};
        DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, knot, 5); }, o.scarf, 1.6, 1.5, 1.0);
    }
    // Belt or sash across the waist.
    auto belt = [&](cairo_t* c) {
        const Pt band[] = {fr.At(-10.0, -7.5), fr.At(10.5, -7.5), fr.At(10.0, -1.0), fr.At(-9.5, -1.0)};
        AddPolygon(c, band, 4);
    };
    DrawShaded(cr, belt, o.belt, 1.6, 1.5, 1.0);
    if (o.bSash) {
        const Pt ends[] = {fr.At(-8.0, -5.0), fr.At(-12.0, 2.0), fr.At(-15.0, 12.0),
                            fr.At(-11.0, 13.0), fr.At(-8.0, 4.0), fr.At(-5.0, -2.0)};
        DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, ends, 6); }, o.belt, 1.6, 1.5, 1.0);
    } else {
        DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, fr.At(8.5, -4.2), 2.4, 3.4, j.dTorso); }, o.trim,
                   1.2, 1.0, 0.6);
    }
    if (o.bEpaulettes) {
        const Pt e = fr.At(-1.0, -34.5);
        DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, e, 7.0, 2.8, j.dTorso); }, o.trim, 1.5, 1.2, 0.8);
    }
    if (p.nBlood > 0) {
        const Pt w[] = {fr.At(3.0, -25.0), fr.At(10.2, -23.0), fr.At(10.0, -15.0), fr.At(4.5, -16.0)};
        DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, w, 4); }, kBlood, 0.0, 1.5, 1.0);
    }
}

// Coat skirts below the belt: a short tail behind, or a long coat to the knee.
void DrawSkirts(cairo_t* cr, const Outfit& o, const Joints& j) {
    const Frame fr = MakeFrame(j.hip, j.dTorso);
    auto trimmed = [&](const Pt* pts, int n) {
        auto path = [&](cairo_t* c) { AddBlob(c, pts, n); };
        DrawPatterned(cr, path, [&](cairo_t* c, int nLevel) {
            const Tones& t = o.shirt;
            style::SetColour(c, nLevel == 0 ? t.shade : nLevel == 1 ? t.base : t.light);
            cairo_paint(c);
            cairo_new_path(c);
            path(c);
            cairo_set_line_width(c, 5.0);
            const Tones& g = o.trim;
            style::SetColour(c, nLevel == 0 ? g.shade : nLevel == 1 ? g.base : g.light);
            cairo_stroke(c);
        });
    };
    if (o.bLongCoat) {
        const Pt skirt[] = {fr.At(-9.5, -8.0), fr.At(-14.0, 14.0), fr.At(-17.0, 30.0),
                             fr.At(-8.0, 32.0), fr.At(2.0, 30.0),   fr.At(6.0, 14.0),
                             fr.At(9.0, -6.0)};
        trimmed(skirt, 7);
    } else {
        const Pt tail[] = {fr.At(-9.5, -8.0), fr.At(-12.5, 8.0), fr.At(-13.0, 20.0),
                            fr.At(-7.0, 18.0), fr.At(-3.0, 4.0),  fr.At(-2.0, -6.0)};
        trimmed(tail, 6);
    }
}

// ---- Head -------------------------------------------------------------------------

void DrawHat(cairo_t* cr, const Outfit& o, const Frame& h) {
    switch (o.eHat) {
    case Hat::kRound: {
        const Pt crown[] = {h.At(-8.5, -7.5), h.At(-7.5, -16.5), h.At(6.0, -17.5), h.At(8.0, -8.0)};
        auto brim = [&](cairo_t* c) {
            const Pt b[] = {h.At(-14.5, -8.5), h.At(-12.0, -10.0), h.At(12.0, -10.0), h.At(15.0, -8.5),
                             h.At(12.0, -6.5),  h.At(-12.0, -6.5)};
            AddBlob(c, b, 6);
        };
        DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, crown, 4); brim(c); }, o.hat, 1.8, 1.5, 1.5);
        const Pt band[] = {h.At(-8.2, -10.5), h.At(7.7, -10.8), h.At(7.5, -12.8), h.At(-8.0, -12.5)};
        DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, band, 4); }, o.hatTrim, 0.0, 0.8, 0.6);
        break;
    }
    case Hat::kBicorne: {
        const Pt hat[] = {h.At(-18.0, -6.0), h.At(-11.0, -13.0), h.At(-2.0, -20.5), h.At(7.0, -17.0),
                           h.At(17.0, -6.5),  h.At(8.0, -8.0),    h.At(-9.0, -7.5)};
        auto path = [&](cairo_t* c) { AddBlob(c, hat, 7); };
        DrawPatterned(cr, path, [&](cairo_t* c, int nLevel) {
            style::SetColour(c, nLevel == 0 ? o.hat.shade : nLevel == 1 ? o.hat.base : o.hat.light);
            cairo_paint(c);
            cairo_new_path(c);
            path(c);
            cairo_set_line_width(c, 3.0);
            style::SetColour(c, nLevel == 0 ? o.hatTrim.shade : o.hatTrim.base);
            cairo_stroke(c);
        });
        DrawShaded(cr, [&](cairo_t* c) { AddCircle(c, h.At(3.0, -12.0), 2.6); }, o.hatTrim, 1.2, 1.0, 0.8);
        break;
    }
    case Hat::kTricorne: {
        const Pt hat[] = {h.At(-16.0, -8.0), h.At(-14.0, -14.5), h.At(-7.0, -14.0), h.At(-4.0, -21.0),
                           h.At(5.0, -20.5),  h.At(8.0, -14.0),   h.At(18.0, -11.0), h.At(13.0, -6.5),
                           h.At(0.0, -7.5),   h.At(-11.0, -5.5)};
        DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, hat, 10); }, o.hat, 2.0, 1.5, 1.5);
        // Gold lace along the upturned brim.
        StrokeLine(cr, [&](cairo_t* c) {
            const Pt a = h.At(-15.0, -9.5), b = h.At(-7.0, -13.0), m = h.At(6.0, -13.0), e = h.At(16.5, -10.0);
            cairo_move_to(c, a.x, a.y);
            cairo_curve_to(c, b.x, b.y, m.x, m.y, e.x, e.y);
        }, o.hatTrim.base, 2.0);
        break;
    }
    case Hat::kBandana: {
        const Pt cap[] = {h.At(-11.5, -1.0), h.At(-11.0, -8.5), h.At(-5.0, -13.0), h.At(3.0, -13.0),
                           h.At(9.0, -9.0),   h.At(10.5, -5.0),  h.At(2.0, -6.5),   h.At(-6.0, -3.0)};
        const Pt tails[] = {h.At(-11.0, -5.0), h.At(-19.0, 0.0), h.At(-18.0, 7.0), h.At(-14.0, 2.0),
                             h.At(-10.0, 0.0)};
        auto dots = [&](cairo_t* c, int nLevel) {
            style::SetColour(c, nLevel == 0 ? o.hat.shade : nLevel == 1 ? o.hat.base : o.hat.light);
            cairo_paint(c);
            cairo_new_path(c);
            const Pt spots[] = {h.At(-4.0, -9.0), h.At(3.0, -10.0), h.At(-8.0, -4.0), h.At(5.0, -7.5),
                                 h.At(-1.0, -5.5), h.At(-15.0, 1.0)};
            for (const Pt& s : spots) AddCircle(c, s, 1.1);
            style::SetColour(c, nLevel == 0 ? o.hatTrim.shade : o.hatTrim.base);
            cairo_fill(c);
        };
        DrawPatterned(cr, [&](cairo_t* c) { AddBlob(c, tails, 5); }, dots, 1.6, 1.5, 1.0);
        DrawPatterned(cr, [&](cairo_t* c) { AddBlob(c, cap, 8); }, dots, 1.8, 1.5, 1.2);
        DrawShaded(cr, [&](cairo_t* c) { AddCircle(c, h.At(-11.5, -3.5), 2.8); }, o.hat, 1.5, 1.0, 0.8);
        break;
    }
    }
}

void DrawEye(cairo_t* cr, const Frame& h, Face eFace) {
    const Pt e = h.At(5.5, -2.0);
    switch (eFace) {
    case Face::kDead: {
        StrokeLine(cr, [&](cairo_t* c) {
            const Pt a = h.At(3.8, -4.0), b = h.At(7.2, 0.0), d = h.At(7.2, -4.0), f = h.At(3.8, 0.0);
            cairo_move_to(c, a.x, a.y);
            cairo_line_to(c, b.x, b.y);
            cairo_move_to(c, d.x, d.y);
            cairo_line_to(c, f.x, f.y);
        }, style::kOutline, 1.4);
        break;
    }
    case Face::kPain: {
        StrokeLine(cr, [&](cairo_t* c) {
            const Pt a = h.At(3.8, -3.8), b = h.At(7.0, -2.0), d = h.At(3.8, -0.2);
            cairo_move_to(c, a.x, a.y);
            cairo_line_to(c, b.x, b.y);
            cairo_line_to(c, d.x, d.y);
        }, style::kOutline, 1.4);
        break;
    }
    case Face::kFright: {
        // Eyes wide, the pupil a dot, the brow jumped up high.
        FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, e, 2.8, 3.6, 0.0); }, style::kEyeWhite);
        StrokeLine(cr, [&](cairo_t* c) { AddEllipse(c, e, 2.8, 3.6, 0.0); }, style::kOutline, 0.9);
        FillFlat(cr, [&](cairo_t* c) { AddCircle(c, h.At(6.2, -1.8), 0.9); }, style::kPupil);
        StrokeLine(cr, [&](cairo_t* c) {
            const Pt a = h.At(2.6, -7.4), m = h.At(5.5, -9.0), b = h.At(8.6, -7.8);
            cairo_move_to(c, a.x, a.y);
            cairo_line_to(c, m.x, m.y);
            cairo_line_to(c, b.x, b.y);
        }, style::kOutline, 1.5);
        break;
    }
    default: {
        FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, e, 2.2, 2.9, 0.0); }, style::kEyeWhite);
        FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, h.At(6.6, -1.8), 1.3, 2.0, 0.0); }, style::kPupil);
        // Brows: level when calm, drawn down to the nose when fighting.
        const double dInner = eFace == Face::kCalm ? -6.2 : -4.9;
        StrokeLine(cr, [&](cairo_t* c) {
            const Pt a = h.At(3.0, -6.6), b = h.At(8.3, dInner);
            cairo_move_to(c, a.x, a.y);
            cairo_line_to(c, b.x, b.y);
        }, style::kOutline, 1.6);
        break;
    }
    }
}

void DrawMouth(cairo_t* cr, const Frame& h, Face eFace) {
    if (eFace == Face::kShout || eFace == Face::kPain || eFace == Face::kFright) {
        const double ry = eFace == Face::kPain ? 1.8 : eFace == Face::kFright ? 3.2 : 2.8;
        const double rx = eFace == Face::kFright ? 1.9 : 2.4;
        DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, h.At(7.8, 6.4), rx, ry, 0.0); },
                   {style::kMouth, style::kMouth, style::kMouthLight}, 1.0, 0.5, 0.5);
        return;
    }
    if (eFace == Face::kGrit) {
        const Pt t[] = {h.At(5.5, 5.0), h.At(10.0, 4.6), h.At(10.0, 7.0), h.At(5.5, 7.0)};
        DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, t, 4); }, {style::kTeethShade, style::kTeeth, style::kTeeth},
                   1.0, 0.5, 0.5);
        return;
    }
    StrokeLine(cr, [&](cairo_t* c) {
        const Pt a = h.At(5.5, 6.3), b = h.At(9.2, 5.8);
        cairo_move_to(c, a.x, a.y);
        cairo_line_to(c, b.x, b.y);
    }, style::kOutline, 1.3);
}

void DrawHead(cairo_t* cr, const Outfit& o, const Joints& j, const Pose& p) {
    DrawShaded(cr, [&](cairo_t* c) { AddCapsule(c, j.neck, j.head, 4.6, 4.6); }, o.skin, 1.8, 1.5, 1.0);
    const Frame h = MakeFrame(j.head, j.dHead);
    auto skull = [&](cairo_t* c) {
        AddEllipse(c, h.At(0.0, 0.0), 10.5, 11.0, j.dHead);
        AddEllipse(c, h.At(3.5, 4.5), 8.0, 6.2, j.dHead);
        AddEllipse(c, h.At(10.2, 0.8), 2.8, 2.3, j.dHead + 20.0);
    };
    DrawPatterned(cr, skull, [&](cairo_t* c, int nLevel) {
        style::SetColour(c, nLevel == 0 ? o.skin.shade : nLevel == 1 ? o.skin.base : o.skin.light);
        cairo_paint(c);
        // Hair at the back of the head, stubble on the jaw.
        cairo_new_path(c);
        const Pt hair[] = {h.At(-14.0, -14.0), h.At(1.0, -14.0), h.At(-1.0, -6.5), h.At(-5.0, -3.0),
                            h.At(-4.0, 5.0), h.At(-14.0, 6.0)};
        AddPolygon(c, hair, 6);
        style::SetColour(c, nLevel == 0 ? o.hair.shade : nLevel == 1 ? o.hair.base : o.hair.light);
        cairo_fill(c);
        if (o.bStubble) {
            AddEllipse(c, h.At(4.5, 7.5), 7.0, 4.0, j.dHead);
            style::SetColour(c, o.skin.shade);
            cairo_fill(c);
        }
    }, 2.0, 2.0, 1.5);
    DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, h.At(-1.5, 1.0), 2.4, 3.4, j.dHead); }, o.skin, 1.2,
               1.0, 0.5);
    if (o.bEarring) {
        StrokeLine(cr, [&](cairo_t* c) { AddCircle(c, h.At(-1.5, 6.0), 1.7); }, o.trim.base, 1.3);
    }
    if (o.bBeard) {
        const Pt beard[] = {h.At(-2.5, 0.0), h.At(3.0, 4.0),  h.At(8.0, 4.0),  h.At(12.0, 4.5),
                             h.At(12.0, 9.0), h.At(8.0, 15.5), h.At(2.0, 14.0), h.At(-3.5, 7.0)};
        DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, beard, 8); }, o.hair, 1.5, 1.5, 1.2);
    }
    DrawEye(cr, h, p.eFace);
    DrawMouth(cr, h, p.eFace);
    DrawHat(cr, o, h);
}

}  // namespace

void DrawFigure(cairo_t* cr, const Outfit& o, const Pose& p, const Placement& at) {
    cairo_save(cr);
    cairo_translate(cr, at.dX, at.dY);
    cairo_scale(cr, at.dScale * at.nDir, at.dScale);
    const Joints j = Solve(p);

    if (p.nBlood > 0) {
        // The pool spreads on the deck under the chest.
        const Frame fr = MakeFrame(j.hip, j.dTorso);
        const Pt c = {fr.At(0.0, -16.0).x, -6.0};
        const double rx = p.nBlood == 1 ? 26.0 : 38.0, ry = p.nBlood == 1 ? 5.0 : 6.5;
        DrawShaded(cr, [&](cairo_t* cc) {
            AddEllipse(cc, c, rx, ry, 0.0);
            AddEllipse(cc, c + Pt{rx * 0.55, 1.0}, rx * 0.45, ry * 0.9, 0.0);
        }, kBlood, 1.5, 1.5, 1.0);
    }

    // Far side, in shadow.
    if (p.eCarry != Carry::kBarrel) {
        DrawArm(cr, o, j.shoulder, j.elbowFree, j.wristFree, true);
        DrawHand(cr, o, j.wristFree, j.elbowFree, true);
    }
    DrawLeg(cr, o, j.hipFar, j.kneeFar, j.ankleFar, p.bFlatFar, true);

    // Seat of the trousers over the tops of both thighs.
    {
        const Frame fr = MakeFrame(j.hip, j.dTorso);
        DrawShaded(cr, [&](cairo_t* c) { AddCapsule(c, fr.At(-4.5, 0.0), fr.At(4.5, 0.0), 8.0, 8.0); },
                   o.trousers);
    }
    DrawLeg(cr, o, j.hipNear, j.kneeNear, j.ankleNear, p.bFlatNear, false);
    if (o.bTails || o.bLongCoat) DrawSkirts(cr, o, j);
    DrawTorso(cr, o, j, p);

    if (p.eCarry == Carry::kBarrel) {
        // The barrel rides on the far shoulder, held by both hands.
        DrawArm(cr, o, j.shoulder, j.elbowFree, j.wristFree, true);
        props::DrawLyingBarrel(cr, j.shoulder + Pt{-22.0, -23.0}, 56.0, 38.0);
        // The far hand grips the barrel's lower rim from behind.
        DrawHand(cr, o, j.wristFree, j.elbowFree, true);
    }
    if (p.eCarry != Carry::kSword) {
        // The cutlass rides in the sash while the hands are busy.
        const Frame fr = MakeFrame(j.hip, j.dTorso);
        DrawSword(cr, o, fr.At(4.0, -6.0), j.dTorso + 112.0);
    }
    // The near arm steadies a barrel behind the head; otherwise it is in front.
    const bool bArmBehindHead = p.eCarry == Carry::kBarrel;
    if (!bArmBehindHead) DrawHead(cr, o, j, p);
    if (p.eCarry == Carry::kPlank) {
        const Pt a = j.shoulder + Pt{-58.0, 25.0};
        props::DrawPlank(cr, a, 150.0, 4.5, 6.0);
    }
    DrawArm(cr, o, j.shoulder, j.elbowSword, j.wristSword, false);
    if (p.eCarry == Carry::kSword) {
        DrawSword(cr, o, p.bDropped ? p.hilt : HandCentre(j.wristSword, j.elbowSword), p.dSword);
    }
    DrawHand(cr, o, j.wristSword, j.elbowSword, false);
    if (bArmBehindHead) DrawHead(cr, o, j, p);
    cairo_restore(cr);
}

}  // namespace crew
