#include <gtest/gtest.h>
#include "engine/variruvu.h"
TEST(Smoke, Geometry) { EXPECT_EQ(BufferGeometryFor(4096).BufferSize, 65536); }
