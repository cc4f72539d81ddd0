// Hand-made bitmap resources for the show-core tests and benchmarks: packed
// DIBs as a resource holds them, and synthetic pictures of the catalogue's
// sizes for the whole load list.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Pixel value at picture column x and row y, row 0 being the top row as
// the picture is seen.
using PixelFn = std::function<uint8_t(int x, int y)>;

struct DibShape {
    int32_t nWidth = 4;
    int32_t nHeight = 6;
    uint16_t nBitCount = 8;
    uint32_t nCompression = 0;
    uint32_t nClrUsed = 0;  // 0: 256 entries
};

// A packed DIB: 40-byte header, colour table (blue, green, red, 0; entry i
// is colour(i), TestColour by default), rows bottom-up, each padded to 4
// bytes with 0xEE.
std::vector<uint8_t> MakeDib(const DibShape& shape, const PixelFn& pixel,
                             const std::function<uint32_t(int)>& colour = nullptr);

// Adds the load list's pictures to the fake host: frame f of resource id
// holds KeyOf(id) at its top-left and ArtOf(id, f) elsewhere; resource
// 204's colour table is ColourOf204.
void AddLoadListPictures();
uint8_t KeyOf(int nResourceId);
uint8_t ArtOf(int nResourceId, int nFrame);
uint32_t ColourOf204(int i);
// 0xRRGGBB colours whose three channels differ from each other in every
// entry and whose entries all differ, so that a swapped channel order or
// a shifted entry shows: red i, green 3i + 85, blue 255 - i (mod 256).
uint32_t TestColour(int i);
