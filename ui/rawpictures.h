// Pictures compiled into the program as pixels, ready to paint: the build
// writes them (tools/rawpictures) from the PNG pictures in assets/.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane {

struct RawPicture
{
    const char *name;  // the picture's file name in assets/ without ".png"
    int width;
    int height;
    bool alpha;                   // QImage::Format_ARGB32_Premultiplied, else Format_RGB32
    const std::uint32_t *pixels;  // width * height, row by row
};

extern const RawPicture kRawPictures[];
extern const std::size_t kRawPictureCount;

}  // namespace morvane
