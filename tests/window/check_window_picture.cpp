// Checks a screenshot of `kadenzo-sim window` by counting pixels of given colours, in the whole
// picture or in a rectangle of it:
//   check_window_picture PICTURE.png [--region X Y W H] --count|--share LABEL R G B TOLERANCE LEAST MOST ...
// A pixel counts when each of its channels lies within TOLERANCE of R, G, B. --count checks that the
// number of such pixels in the region lies from LEAST to MOST, --share that their share of the region
// does, in percent. A region stays in force for the checks after it (the whole picture at first).
// Prints one line per check; exits with 1 when any is outside its bounds, with 2 for a picture that
// cannot be read or bad arguments.
#include <stb/stb_image.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Region {
    int x = 0, y = 0, width = 0, height = 0;
};

struct Picture {
    int width = 0, height = 0;
    std::unique_ptr<unsigned char, void (*)(void*)> rgba{nullptr, stbi_image_free};
};

bool near(int value, int wanted, int tolerance) {
    return std::abs(value - wanted) <= tolerance;
}

struct Tally {
    long long counted = 0;
    long long total = 0;
};

Tally countNear(const Picture& picture, const Region& region, const int colour[3], int tolerance) {
    long long counted = 0;
    long long total = 0;
    for (int y = region.y; y < region.y + region.height && y < picture.height; ++y)
        for (int x = region.x; x < region.x + region.width && x < picture.width; ++x) {
            const unsigned char* pixel =
                picture.rgba.get() + (static_cast<long long>(y) * picture.width + x) * 4;
            ++total;
            if (near(pixel[0], colour[0], tolerance) && near(pixel[1], colour[1], tolerance) &&
                near(pixel[2], colour[2], tolerance))
                ++counted;
        }
    return Tally{counted, total};
}

int usage() {
    std::fprintf(stderr, "usage: check_window_picture PICTURE.png [--region X Y W H] "
                         "--count LABEL R G B TOLERANCE LEAST MOST ...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    Picture picture;
    int channels = 0;
    picture.rgba.reset(stbi_load(argv[1], &picture.width, &picture.height, &channels, 4));
    if (!picture.rgba) {
        std::fprintf(stderr, "check_window_picture: cannot read %s: %s\n", argv[1], stbi_failure_reason());
        return 2;
    }
    Region region{0, 0, picture.width, picture.height};
    bool allWithin = true;
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    for (std::size_t index = 0; index < arguments.size();) {
        const std::string& option = arguments[index];
        if (option == "--region") {
            if (index + 5 > arguments.size()) return usage();
            region = Region{std::atoi(arguments[index + 1].c_str()), std::atoi(arguments[index + 2].c_str()),
                            std::atoi(arguments[index + 3].c_str()), std::atoi(arguments[index + 4].c_str())};
            index += 5;
        } else if (option == "--count" || option == "--share") {
            if (index + 8 > arguments.size()) return usage();
            const std::string& label = arguments[index + 1];
            const int colour[3] = {std::atoi(arguments[index + 2].c_str()),
                                   std::atoi(arguments[index + 3].c_str()),
                                   std::atoi(arguments[index + 4].c_str())};
            const int tolerance = std::atoi(arguments[index + 5].c_str());
            const double least = std::atof(arguments[index + 6].c_str());
            const double most = std::atof(arguments[index + 7].c_str());
            const Tally tally = countNear(picture, region, colour, tolerance);
            const bool asShare = option == "--share";
            const double value =
                !asShare      ? static_cast<double>(tally.counted)
                : tally.total ? 100.0 * static_cast<double>(tally.counted) / static_cast<double>(tally.total)
                              : 0.0;
            const bool within = value >= least && value <= most;
            allWithin = allWithin && within;
            const char* unit = asShare ? "%" : " pixels";
            std::printf("%s %s: %g%s of %dx%d at %d,%d near (%d, %d, %d) +-%d; expected %g to %g\n",
                        within ? "ok" : "FAILED", label.c_str(), value, unit, region.width, region.height,
                        region.x, region.y, colour[0], colour[1], colour[2], tolerance, least, most);
            index += 8;
        } else {
            return usage();
        }
    }
    return allWithin ? 0 : 1;
}
