// PNG encoding by stb_image_write, written through OutputFile so that a picture appears complete or
// not at all, and never where a picture should not go.
#include "render/png_writer.h"

#include "output/output_file.h"

#include <stb/stb_image_write.h>

#include <exception>
#include <string_view>

namespace kadenzo::render {

namespace {

// What stb hands over, into the file. Rationale: stb is C, so a failure is kept for afterwards rather
// than thrown through it.
struct EncodedOutput {
    output::OutputFile& file;
    std::exception_ptr failure;
};

void writeEncoded(void* context, void* data, int size) {
    auto& encoded = *static_cast<EncodedOutput*>(context);
    if (encoded.failure) return;
    try {
        encoded.file.write(std::string_view(static_cast<const char*>(data), static_cast<std::size_t>(size)));
    } catch (...) {
        encoded.failure = std::current_exception();
    }
}

bool hasPixels(const Image& image) {
    return image.width >= 1 && image.height >= 1 &&
           image.rgba.size() ==
               static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4;
}

} // namespace

bool writePng(const std::string& path, const Image& image, std::string& error) {
    if (!hasPixels(image)) {
        error = "cannot write " + path + ": the image has no pixels or the wrong number of them";
        return false;
    }
    try {
        output::OutputFile file(path);
        EncodedOutput encoded{file, nullptr};
        const int written = stbi_write_png_to_func(writeEncoded, &encoded, image.width, image.height, 4,
                                                   image.rgba.data(), image.width * 4);
        if (encoded.failure) std::rethrow_exception(encoded.failure);
        if (!written) throw output::OutputError("cannot write " + path + ": the PNG encoder failed");
        file.commit();
        return true;
    } catch (const output::OutputError& failure) {
        error = failure.what();
        return false;
    }
}

} // namespace kadenzo::render
