// Nearest-colour matching, remembered per colour so that large pictures
// match quickly.

#include "colour_match.h"

ColourMatcher::ColourMatcher(const uint32_t* pTable, int nEntries, uint32_t rgbExcluded)
    : m_pTable(pTable) {
    for (int i = 0; i < nEntries; ++i)
        if (pTable[i] != rgbExcluded) m_Candidates.push_back(i);
}

uint8_t ColourMatcher::Match(int r, int g, int b) {
    uint32_t rgb = (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
    auto it = m_Cache.find(rgb);
    if (it != m_Cache.end()) return it->second;
    // Weighted like the eye: green matters most, blue least (ties: lowest index).
    long nBest = -1;
    int nBestIndex = 0;
    for (int i : m_Candidates) {
        uint32_t c = m_pTable[i];
        long dr = r - long((c >> 16) & 0xFF), dg = g - long((c >> 8) & 0xFF), db = b - long(c & 0xFF);
        long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (nBest < 0 || d < nBest) {
            nBest = d;
            nBestIndex = i;
        }
    }
    m_Cache.emplace(rgb, uint8_t(nBestIndex));
    return uint8_t(nBestIndex);
}

double DitherOffset(int x, int y) {
    static const int kBayer[8][8] = {
        {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
        {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
        {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
        {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
    };
    return (kBayer[y & 7][x & 7] + 0.5) / 64.0 - 0.5;
}
