// Shared by the fuzz targets: a property check that stops the run with a
// report libFuzzer keeps as a crash, and the show's modules put back into
// their initial state before each input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

[[noreturn]] void FuzzCheckFailed(const char* szCondition, const char* szFile, int nLine);

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) FuzzCheckFailed(#condition, __FILE__, __LINE__); \
    } while (0)

// The fake host and profile, the run flags, the music, the show, the sprite
// store, the actor table and the frame buffer, as at process start.
void ResetShowModules();

// A private directory for the files an input makes, with a trailing
// separator; made once per process and removed at its end.
const std::string& FuzzTempDir();
// How many files FuzzTempDir() holds.
size_t CountFuzzTempFiles();
