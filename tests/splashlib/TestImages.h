#pragma once

#include <string>

// A splash picture: a fully transparent band on the left, a half transparent
// band beside it, and an opaque gradient with a frame over the rest, so that
// the desktop shows through where it should.
void WriteSplashImage(const std::string& path, int width, int height);
