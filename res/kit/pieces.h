// The contract between the asset kit (writers, quantiser, contact sheet) and
// the modules that paint pictures, synthesise sounds and build tunes: what
// a piece is and what the kit does with it. The modules export tables of
// pieces (art.h, sounds.h, tunes.h); the generator hands them to the kit.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

// ---- Pictures ----------------------------------------------------------

// Paints one frame of a picture in full colour. The framework hands over a
// context whose origin is the frame's top-left corner, y growing downwards,
// clipped to the frame (nWidth x nFrameHeight), on a fully transparent ARGB
// surface. Whatever stays transparent becomes the picture's key colour;
// painted pixels are quantised to the shared colour table (never to the
// key). Backdrops and the non-sprite pictures must paint every pixel.
using PaintFrameFn = void (*)(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);

struct ArtPiece {
    int nResourceId;
    PaintFrameFn pfnPaint;
    bool bDither;  // ordered dither for soft gradients (skies, smoke); flat tones otherwise
};

// ---- Sounds ------------------------------------------------------------

constexpr int kSampleRate = 22050;

// Fills exactly nSamples mono samples in -1..1; the vector arrives holding
// nSamples zeros (fill it in place, or assign/resize it to nSamples). The
// framework bends peaks above 0.85 softly, ramps both ends against clicks,
// converts to 16-bit PCM and writes the RIFF file.
using SynthFn = void (*)(std::vector<float>& samples, int nSamples);

struct SoundPiece {
    int nResourceId;
    double dSeconds;  // playing time of the data chunk
    SynthFn pfnSynth;
    // A sound that carries a LIST/INFO chunk after its data names itself
    // here (the INAM text); nullptr writes only "fmt " and "data".
    const char* szInfoName = nullptr;
};

// ---- Tunes -------------------------------------------------------------

// A complete Standard MIDI File (format 1, 480 ticks per quarter note).
struct TunePiece {
    int nResourceId;
    size_t nExactBytes;
    std::vector<uint8_t> (*pfnBuild)();
};

// ---- Icon and cursor ---------------------------------------------------

// The saver's icon at nSize x nSize pixels (16 or 32) on a transparent
// surface; what stays transparent is masked out.
using PaintIconFn = void (*)(cairo_t* cr, int nSize);

// The pointing hand, 32 x 32, black outline and white fill on a transparent
// surface; the hotspot is the tip of the index finger.
constexpr int kCursorSize = 32;
constexpr int kCursorHotspotX = 9;
constexpr int kCursorHotspotY = 0;
using PaintCursorFn = void (*)(cairo_t* cr);
