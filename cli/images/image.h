// Image: a picture in memory as image files hold it, row-major, 4 bytes a pixel
// in the order red, green, blue, alpha, rows packed without gaps.
#pragma once

#include <string>
#include <vector>

struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

constexpr int RgbaChannels = 4;

// A file name as error lines quote it.
inline std::string Quoted(const std::string& name)
{
    return "'" + name + "'";
}
