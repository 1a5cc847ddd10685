#include "TestImages.h"

#include "PngWriter.h"

void WriteSplashImage(const std::string& path, int width, int height)
{
    const int clear = width / 8;
    WritePng(path, width, height, [=](int x, int y) -> Rgba {
        if (x < clear)
            return {0, 0, 0, 0};
        if (x < 2 * clear)
            return {255, 0, 0, 128};
        const bool frame = x < 2 * clear + 4 || x >= width - 4 || y < 4 || y >= height - 4;
        if (frame)
            return {250, 200, 40, 255};
        return {static_cast<uint8_t>(40 + 160 * x / width), 90,
                static_cast<uint8_t>(200 - 120 * y / height), 255};
    });
}
