#include "render/image_crop.h"

#include <algorithm>
#include <cstddef>

namespace kadenzo::render {

Image cropImage(const Image& image, int x, int y, int width, int height) {
    const long left = std::max<long>(x, 0);
    const long top = std::max<long>(y, 0);
    const long right = std::min<long>(static_cast<long>(x) + width, image.width);
    const long bottom = std::min<long>(static_cast<long>(y) + height, image.height);
    if (right <= left || bottom <= top) return Image{};
    Image cropped;
    cropped.width = static_cast<int>(right - left);
    cropped.height = static_cast<int>(bottom - top);
    const std::size_t rowBytes = static_cast<std::size_t>(cropped.width) * 4;
    cropped.rgba.resize(rowBytes * static_cast<std::size_t>(cropped.height));
    for (long row = top; row < bottom; ++row) {
        const auto source =
            image.rgba.begin() +
            static_cast<std::ptrdiff_t>((static_cast<std::size_t>(row) * image.width + left) * 4);
        std::copy(source, source + static_cast<std::ptrdiff_t>(rowBytes),
                  cropped.rgba.begin() +
                      static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row - top) * rowBytes));
    }
    return cropped;
}

} // namespace kadenzo::render
