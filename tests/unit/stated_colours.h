// The shared colour table as the design states it, built in the test from
// its stated parts: the six-level cube less its 21 left-out colours, the
// four ramps, black, the light greys and the fixed colours. 0xRRGGBB.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

inline std::array<uint32_t, 256> StatedColourTable() {
    static constexpr uint32_t kLevels[] = {0xFF, 0xCC, 0x99, 0x66, 0x33, 0x00};
    static constexpr uint32_t kLeftOut[] = {
        0xFF66FF, 0xFF66CC, 0xFF33FF, 0xFF33CC, 0xFF3399, 0xFF00FF, 0xFF00CC, 0xFF0099, 0xFF0066, 0xCCFF99, 0xCCFF66,
        0xCC33FF, 0xCC00FF, 0xCC00CC, 0xCC0099, 0x99FFCC, 0x99FF99, 0x99FF66, 0x99FF33, 0x99FF00, 0x000000,
    };
    static constexpr uint32_t kRamp[] = {0xEE, 0xDD, 0xBB, 0xAA, 0x88, 0x77, 0x55, 0x45, 0x23, 0x11};
    static constexpr uint32_t kTail[] = {
        0x000000,                                                                          // 235
        0x868686, 0x969696, 0xCBCBCB, 0xB2B2B2, 0xD7D7D7, 0xDDDDDD, 0xE3E3E3, 0xEAEAEA, 0xF1F1F1, 0xF8F8F8,  // 236-245
        0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,  // 246-255
    };
    std::array<uint32_t, 256> table{};
    size_t n = 0;
    for (uint32_t r : kLevels)
        for (uint32_t g : kLevels)
            for (uint32_t b : kLevels) {
                const uint32_t c = r << 16 | g << 8 | b;
                if (std::find(std::begin(kLeftOut), std::end(kLeftOut), c) == std::end(kLeftOut)) table[n++] = c;
            }
    for (uint32_t nScale : {0x010000u, 0x000100u, 0x000001u, 0x010101u})  // red, green, blue, grey
        for (uint32_t v : kRamp) table[n++] = v * nScale;
    for (uint32_t c : kTail) table[n++] = c;
    return table;
}
