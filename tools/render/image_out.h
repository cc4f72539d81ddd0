// Writing the render tool's pictures: one PNG per frame and an optional
// contact sheet of the frames written.
#pragma once

#include <string>
#include <vector>

#include "host/memory_window.h"

bool WritePng(const RgbImage& image, const std::string& path);

// Frees the drawing libraries' caches at exit, so leak checks see only ours.
void ReleaseImageLibraries();

// Collects scaled-down copies of frames and lays them out in a grid, each
// labelled with its frame number.
class ContactSheet {
public:
    explicit ContactSheet(int nThumbWidth) : nThumbWidth_(nThumbWidth) {}
    void Add(const RgbImage& image, int nFrame);
    bool Write(const std::string& path) const;

private:
    struct Thumb { RgbImage image; int nFrame; };
    int nThumbWidth_;
    std::vector<Thumb> thumbs_;
};
