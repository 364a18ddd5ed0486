// The pictures kadenzo-sim writes: a screenshot of a frame shows the plugin's attempt markers in their
// colours.
#include "built_modules.h"
#include "console/console.h"

#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

using namespace kadenzo::sim;
using test::builtPlugin;

TEST(Screenshot, MarkersAppearInTheirWindowColours) {
    Simulator simulator;
    loadPlugin(simulator, builtPlugin());
    Console console(simulator, std::cout);
    for (const char* line :
         {"slowMoEnabled 1", "training on", "loadround", "restart", "attempts GX", "frame"})
        console.execute(line);
    const std::string path = ::testing::TempDir() + "kadenzo-screenshot-test.png";
    console.execute("screenshot " + path);
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &width, &height, &channels, 4);
    ASSERT_TRUE(pixels);
    ASSERT_EQ(width, 1920);
    ASSERT_EQ(height, 1080);
    // Count strongly green and strongly red pixels in each marker's cell (x from 1494, 15 apart, y 68).
    const auto countIn = [&](int x0, auto predicate) {
        int count = 0;
        for (int y = 66; y < 95; ++y)
            for (int x = x0; x < x0 + 15; ++x) {
                const unsigned char* p = pixels + 4 * (y * width + x);
                count += predicate(p[0], p[1], p[2]) ? 1 : 0;
            }
        return count;
    };
    const auto green = [](int r, int g, int b) { return g > 150 && r < 80 && b < 80; };
    const auto red = [](int r, int g, int b) { return r > 150 && g < 80 && b < 80; };
    EXPECT_GT(countIn(1494, green), 3);
    EXPECT_EQ(countIn(1494, red), 0);
    EXPECT_GT(countIn(1509, red), 3);
    EXPECT_EQ(countIn(1524, green) + countIn(1524, red), 0) << "an attempt not yet taken is white";
    stbi_image_free(pixels);
    std::remove(path.c_str());
}

} // namespace
