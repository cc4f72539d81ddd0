// Nearest-colour matching against a fixed colour table, with one colour
// that may never be produced (a sprite's key).
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

class ColourMatcher {
public:
    // rgbExcluded: every entry of this colour is left out of the search;
    // pass a value above 0xFFFFFF to exclude nothing.
    ColourMatcher(const uint32_t* pTable, int nEntries, uint32_t rgbExcluded);
    uint8_t Match(int r, int g, int b);

private:
    std::vector<int> m_Candidates;
    const uint32_t* m_pTable;
    std::unordered_map<uint32_t, uint8_t> m_Cache;
};

constexpr uint32_t kNoColour = 0x1000000;

// Offset in -0.5..0.5 of an 8x8 ordered-dither matrix at (x, y).
double DitherOffset(int x, int y);
