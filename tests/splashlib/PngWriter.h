// Small PNG files for the tests, written without any image library
// (stored, uncompressed deflate blocks), so the DLL's decoder is checked
// against files it did not make.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct Rgba {
    uint8_t R, G, B, A;
};

void WritePng(const std::string& path, int width, int height,
              const std::function<Rgba(int x, int y)>& pixel);
