// Scene 0: dissolves the last picture to a flat colour over five frames in
// the fixed order of a 20-bit shift register, and switches tunes around
// the kraken ending.
#pragma once

#include <cstdint>

#include "host/host.h"

constexpr uint32_t kDissolveMask = 0x90000;  // feedback taps: bits 19 and 16
constexpr uint8_t kDissolveColour = 235;     // black in the shared colour table
constexpr int kDissolveFrames = 5;

struct DissolveState {
    uint32_t nRegister = 1;  // 1 .. 2^20 - 1
};
extern DissolveState Dissolve;

int Scene0(HostWindow hWindow, int nScene);
// Paints frame f's share (of n frames) of the dissolve into the frame buffer.
void DissolveStep(int f, int n);
