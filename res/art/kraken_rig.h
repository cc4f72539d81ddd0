// The kraken's drawing rig: tentacles built along a spine, the head's dome,
// and eyes whose looks (open, narrowed, shut) share one socket so that an
// overlay of one look covers another exactly.
#pragma once

#include <cairo.h>

#include <vector>

#include "geometry.h"

namespace kraken {

using geo::Pt;

// A tentacle from root to tip. The spine is a smooth curve through every
// point; the width tapers from root to tip. The belly side (+1 or -1, the
// side of the spine's left-hand normal in y-down coordinates) carries the
// pale underside and the suckers.
struct Tentacle {
    std::vector<Pt> spine;
    double dRootWidth;
    double dTipWidth;
    int nBellySide;
    // An open root is cut off by the frame's edge or hidden under another
    // picture: no cap and no outline across it.
    bool bOpenRoot = true;
};

void PaintTentacle(cairo_t* cr, const Tentacle& t);

// The rounded mantle: top centre, half-width at its widest, and the height
// down to where it meets the arms.
struct Dome {
    double dCentreX, dTop, dHalfWidth, dHeight;
};

void PaintDome(cairo_t* cr, const Dome& d);

// Where an eye looks and how far its upper lid has come down (0 wide open,
// 1 shut). A lid slants down towards the nose for a scowl.
struct EyeLook {
    double dPupilX, dPupilY;  // -1..1 within the eye
    double dLid;
};

struct EyePair {
    double dCentreX, dCentreY;  // midpoint between the two eyes
    double dSpacing;            // centre to centre
    double dRadiusX, dRadiusY;
};

// Heavy brows above the sockets; part of the head, not of the eye overlays.
void PaintBrows(cairo_t* cr, const EyePair& e);
void PaintEyes(cairo_t* cr, const EyePair& e, const EyeLook& look);

// A fanged mouth centred at (x, y).
void PaintMouth(cairo_t* cr, double x, double y, double dHalfWidth);

}  // namespace kraken
