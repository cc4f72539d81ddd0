// Sounds: finishing a synthesised effect (levels, clean ends) and the RIFF
// WAVE encoding that the resources carry.
#pragma once

#include <vector>

#include "pieces.h"
#include "filebytes.h"

// Runs the piece's synthesis and returns its finished 16-bit samples, or
// fails with a reason (wrong sample count, samples that are not numbers).
bool SynthesiseSound(const SoundPiece& piece, std::vector<int16_t>& pcm, std::string& szError);

// Sample count of a playing time at the show's rate.
int SoundSampleCount(double dSeconds);

// PCM mono 22050 Hz 16-bit: "fmt " (16 bytes), "data", and a LIST/INFO
// chunk after the data when the piece names one.
Bytes EncodeWave(const std::vector<int16_t>& pcm, const char* szInfoName);
