// Shared by the fuzz targets: a property check that stops the run with a
// report libFuzzer keeps as a crash, and a private directory for the files
// an input makes. (Each input starts from ResetShowState, show_reset.h.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

[[noreturn]] void FuzzCheckFailed(const char* szCondition, const char* szFile, int nLine);

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) FuzzCheckFailed(#condition, __FILE__, __LINE__); \
    } while (0)

// A private directory for the files an input makes, with a trailing
// separator; made once per process and removed at its end.
const std::string& FuzzTempDir();
// How many files FuzzTempDir() holds.
size_t CountFuzzTempFiles();
