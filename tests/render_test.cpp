// The headless renderer and the PNG writer: pixels where the scene puts them, and files written whole or not
// at all.
#include "render/offscreen_renderer.h"
#include "render/png_writer.h"

#include <gtest/gtest.h>
#include <imgui.h>
#include <stb/stb_image.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace kadenzo::render {
namespace {

using Pixel = std::array<int, 4>;

Pixel pixelAt(const Image& image, int x, int y) {
    std::size_t offset = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + x) * 4;
    return {image.rgba[offset], image.rgba[offset + 1], image.rgba[offset + 2], image.rgba[offset + 3]};
}

bool isNear(const Pixel& pixel, const Pixel& expected, int tolerance = 2) {
    for (std::size_t channel = 0; channel < 4; ++channel)
        if (std::abs(pixel[channel] - expected[channel]) > tolerance) return false;
    return true;
}

bool isReddish(const Pixel& pixel) {
    return pixel[0] > 100 && pixel[0] > pixel[1] + 60 && pixel[0] > pixel[2] + 60;
}

// Columns and rows between which any channel differs from the background; width 0 when nothing was drawn.
struct InkExtent {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

InkExtent inkExtent(const Image& image, const Pixel& background) {
    InkExtent extent{image.width, image.height, 0, 0};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (!isNear(pixelAt(image, x, y), background, 8)) {
                extent.left = std::min(extent.left, x);
                extent.top = std::min(extent.top, y);
                extent.right = std::max(extent.right, x + 1);
                extent.bottom = std::max(extent.bottom, y + 1);
            }
    if (extent.right == 0) return InkExtent{};
    return extent;
}

const Color darkBlue{10.0f, 20.0f, 30.0f, 255.0f};
const Pixel darkBluePixel{10, 20, 30, 255};
const Color red{255.0f, 0.0f, 0.0f, 255.0f};
const Pixel redPixel{255, 0, 0, 255};

class RendererTest : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        renderer = OffscreenRenderer::create(error);
        ASSERT_NE(renderer, nullptr) << error;
    }

    Image renderItems(int width, int height, std::vector<Item> items, Color background = darkBlue) {
        Scene scene;
        scene.width = width;
        scene.height = height;
        scene.background = background;
        scene.items = std::move(items);
        Image image = renderer->render(scene);
        EXPECT_EQ(image.width, width);
        EXPECT_EQ(image.height, height);
        EXPECT_EQ(image.rgba.size(), static_cast<std::size_t>(width) * height * 4);
        return image;
    }

    std::unique_ptr<OffscreenRenderer> renderer;
};

// Shapes

TEST_F(RendererTest, FilledRectangleCoversExactlyItsPixelsWithTheTopRowFirst) {
    Image image = renderItems(40, 30, {Rectangle{5.0f, 2.0f, 15.0f, 8.0f, red, true}});
    EXPECT_TRUE(isNear(pixelAt(image, 5, 2), redPixel));
    EXPECT_TRUE(isNear(pixelAt(image, 14, 7), redPixel));
    EXPECT_TRUE(isNear(pixelAt(image, 4, 2), darkBluePixel));
    EXPECT_TRUE(isNear(pixelAt(image, 15, 2), darkBluePixel));
    EXPECT_TRUE(isNear(pixelAt(image, 5, 8), darkBluePixel));
    // Where the rectangle would be if the rows came out bottom first.
    EXPECT_TRUE(isNear(pixelAt(image, 10, 25), darkBluePixel));
    EXPECT_TRUE(isNear(pixelAt(image, 39, 29), darkBluePixel));
}

TEST_F(RendererTest, RectangleOutlineLeavesItsInsideUntouched) {
    Image image = renderItems(40, 30, {Rectangle{5.0f, 5.0f, 25.0f, 20.0f, red, false}});
    EXPECT_TRUE(isReddish(pixelAt(image, 15, 5)));
    EXPECT_TRUE(isReddish(pixelAt(image, 5, 12)));
    EXPECT_TRUE(isNear(pixelAt(image, 15, 12), darkBluePixel));
    EXPECT_TRUE(isNear(pixelAt(image, 30, 12), darkBluePixel));
}

TEST_F(RendererTest, LineIsDrawnAlongItsPathWithItsThickness) {
    Color green{0.0f, 255.0f, 0.0f, 255.0f};
    Image image = renderItems(60, 40, {Line{10.0f, 20.0f, 50.0f, 20.0f, 3.0f, green}});
    for (int x : {12, 30, 48}) {
        Pixel centre = pixelAt(image, x, 20);
        EXPECT_GT(centre[1], 200) << "x " << x;
        EXPECT_LT(centre[0], 40) << "x " << x;
    }
    EXPECT_GT(pixelAt(image, 30, 21)[1], 120);
    EXPECT_TRUE(isNear(pixelAt(image, 30, 24), darkBluePixel));
    EXPECT_TRUE(isNear(pixelAt(image, 30, 16), darkBluePixel));
    EXPECT_TRUE(isNear(pixelAt(image, 55, 20), darkBluePixel));
}

TEST_F(RendererTest, LaterItemsAreDrawnOverEarlierOnes) {
    Color blue{0.0f, 0.0f, 255.0f, 255.0f};
    Image image = renderItems(
        30, 30,
        {Rectangle{0.0f, 0.0f, 20.0f, 20.0f, red, true}, Rectangle{10.0f, 10.0f, 30.0f, 30.0f, blue, true}});
    EXPECT_TRUE(isNear(pixelAt(image, 5, 5), redPixel));
    EXPECT_TRUE(isNear(pixelAt(image, 15, 15), Pixel{0, 0, 255, 255}));
}

TEST_F(RendererTest, TranslucentItemsBlendButTheImageStaysOpaque) {
    Color halfWhite{255.0f, 255.0f, 255.0f, 128.0f};
    Image image = renderItems(20, 20, {Rectangle{0.0f, 0.0f, 10.0f, 10.0f, halfWhite, true}},
                              Color{0.0f, 0.0f, 0.0f, 255.0f});
    EXPECT_TRUE(isNear(pixelAt(image, 5, 5), Pixel{128, 128, 128, 255}, 3));
}

// A rectangle is two triangles. Here its edges and its diagonal run through pixel centres: each such pixel
// is blended once, by one triangle, and a pixel on the right or bottom edge belongs to the neighbour.
TEST_F(RendererTest, TranslucentShapesCoverEveryPixelExactlyOnce) {
    Color halfWhite{255.0f, 255.0f, 255.0f, 128.0f};
    Image image = renderItems(20, 20, {Rectangle{2.5f, 2.5f, 12.5f, 12.5f, halfWhite, true}},
                              Color{0.0f, 0.0f, 0.0f, 255.0f});
    const Pixel inside = pixelAt(image, 2, 2);
    EXPECT_TRUE(isNear(inside, Pixel{128, 128, 128, 255}, 3));
    for (int y = 2; y < 12; ++y)
        for (int x = 2; x < 12; ++x)
            EXPECT_EQ(pixelAt(image, x, y), inside) << "at " << x << ", " << y;
    EXPECT_EQ(pixelAt(image, 12, 5), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(pixelAt(image, 5, 12), (Pixel{0, 0, 0, 255}));
}

// A scene with more shapes than one ImGui frame can index still comes out whole.
TEST_F(RendererTest, SceneLargerThanOneFrameOfVerticesIsDrawnCompletely) {
    std::vector<Item> items;
    for (int row = 0; row < 100; ++row)
        for (int column = 0; column < 200; ++column)
            items.push_back(
                Rectangle{column * 2.0f, row * 2.0f, column * 2.0f + 1.0f, row * 2.0f + 1.0f, red, true});
    Image image = renderItems(400, 200, std::move(items));
    EXPECT_TRUE(isNear(pixelAt(image, 0, 0), redPixel));
    EXPECT_TRUE(isNear(pixelAt(image, 1, 1), darkBluePixel));
    EXPECT_TRUE(isNear(pixelAt(image, 398, 198), redPixel));
}

TEST_F(RendererTest, LongTextAfterManyShapesIsDrawnInsteadOfOverflowingTheFrame) {
    std::vector<Item> items;
    for (int index = 0; index < 14000; ++index)
        items.push_back(Rectangle{0.0f, 0.0f, 1.0f, 1.0f, red, true});
    Color white{255.0f, 255.0f, 255.0f, 255.0f};
    items.push_back(Text{std::string(20000, 'M'), 10.0f, 10.0f, 1.0f, 1.0f, white});
    Image image = renderItems(300, 40, std::move(items));
    InkExtent extent = inkExtent(image, darkBluePixel);
    EXPECT_EQ(extent.left, 0);
    EXPECT_EQ(extent.right, 300);
    EXPECT_GT(extent.bottom, 18);
}

// Text

TEST_F(RendererTest, RedMarkerIsDrawnAtItsPositionAndNowhereElse) {
    Image image = renderItems(200, 120, {Text{"*", 100.0f, 50.0f, 1.0f, 1.0f, red}});
    int reddishNear = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            Pixel pixel = pixelAt(image, x, y);
            bool near = x >= 100 && x < 110 && y >= 50 && y < 67;
            if (near)
                reddishNear += isReddish(pixel) ? 1 : 0;
            else
                EXPECT_TRUE(isNear(pixel, darkBluePixel, 8)) << "at " << x << "," << y;
        }
    EXPECT_GE(reddishNear, 4);
}

TEST_F(RendererTest, TextAdvancesAboutEightAndAHalfPixelsPerCharacterAtScaleOne) {
    Color white{255.0f, 255.0f, 255.0f, 255.0f};
    Image image = renderItems(300, 60, {Text{"MMMMMMMMMMMMMMMMMMMM", 10.0f, 10.0f, 1.0f, 1.0f, white}});
    InkExtent extent = inkExtent(image, darkBluePixel);
    EXPECT_NEAR(extent.width(), 20 * 8.5, 12.0);
    EXPECT_GE(extent.left, 10);
    EXPECT_GE(extent.top, 10);
    EXPECT_LT(extent.top, 16);
    EXPECT_GT(extent.height(), 6);
    EXPECT_LT(extent.height(), 17);
}

TEST_F(RendererTest, HorizontalAndVerticalScalesApplySeparately) {
    Color white{255.0f, 255.0f, 255.0f, 255.0f};
    InkExtent plain = inkExtent(renderItems(400, 100, {Text{"MMMMMMMMMM", 10.0f, 10.0f, 1.0f, 1.0f, white}}),
                                darkBluePixel);
    InkExtent wide = inkExtent(renderItems(400, 100, {Text{"MMMMMMMMMM", 10.0f, 10.0f, 2.0f, 1.0f, white}}),
                               darkBluePixel);
    InkExtent tall = inkExtent(renderItems(400, 100, {Text{"MMMMMMMMMM", 10.0f, 10.0f, 1.0f, 2.0f, white}}),
                               darkBluePixel);
    EXPECT_NEAR(wide.width(), 2.0 * plain.width(), 6.0);
    EXPECT_NEAR(wide.height(), plain.height(), 2.0);
    EXPECT_NEAR(tall.width(), plain.width(), 6.0);
    EXPECT_NEAR(tall.height(), 2.0 * plain.height(), 4.0);
    EXPECT_EQ(wide.left, plain.left);
}

// Squeezed text near the right edge would reach past it unsqueezed; none of it may be lost.
TEST_F(RendererTest, SqueezedTextNearTheRightEdgeKeepsItsLastCharacters) {
    Color white{255.0f, 255.0f, 255.0f, 255.0f};
    Image image = renderItems(100, 40, {Text{"MMMMMMMM", 60.0f, 5.0f, 0.5f, 1.0f, white}});
    InkExtent extent = inkExtent(image, darkBluePixel);
    EXPECT_NEAR(extent.right, 60 + 8 * 8.5 / 2, 4.0);
}

// Sizes and contexts

TEST_F(RendererTest, OneRendererRendersScenesOfDifferentSizes) {
    Image first = renderItems(64, 32, {Rectangle{60.0f, 0.0f, 64.0f, 4.0f, red, true}});
    Image second = renderItems(20, 50, {Rectangle{0.0f, 45.0f, 5.0f, 50.0f, red, true}},
                               Color{200.0f, 200.0f, 200.0f, 255.0f});
    Image third = renderItems(64, 32, {});
    EXPECT_TRUE(isNear(pixelAt(first, 62, 1), redPixel));
    EXPECT_TRUE(isNear(pixelAt(first, 1, 30), darkBluePixel));
    EXPECT_TRUE(isNear(pixelAt(second, 2, 48), redPixel));
    EXPECT_TRUE(isNear(pixelAt(second, 18, 1), Pixel{200, 200, 200, 255}));
    EXPECT_TRUE(isNear(pixelAt(third, 62, 1), darkBluePixel));
}

TEST_F(RendererTest, ScenesWithoutAUsableSizeGiveAnEmptyImage) {
    Scene empty;
    EXPECT_EQ(renderer->render(empty).rgba.size(), 0u);
    Scene tooWide;
    tooWide.width = renderer->maximumSize() + 1;
    tooWide.height = 1;
    EXPECT_EQ(renderer->render(tooWide).rgba.size(), 0u);
}

// A plugin's own copy of ImGui in the same process must find its context as it left it.
TEST(RendererContextTest, CallersImGuiContextStaysCurrent) {
    ImGuiContext* callers = ImGui::CreateContext();
    ImGui::SetCurrentContext(callers);
    std::string error;
    auto renderer = OffscreenRenderer::create(error);
    ASSERT_NE(renderer, nullptr) << error;
    EXPECT_EQ(ImGui::GetCurrentContext(), callers);
    Scene scene;
    scene.width = 8;
    scene.height = 8;
    scene.items.push_back(Text{"*", 0.0f, 0.0f, 1.0f, 1.0f, red});
    renderer->render(scene);
    EXPECT_EQ(ImGui::GetCurrentContext(), callers);
    renderer.reset();
    EXPECT_EQ(ImGui::GetCurrentContext(), callers);
    ImGui::DestroyContext(callers);
}

TEST(RendererContextTest, NoImGuiContextIsLeftCurrentWhenThereWasNone) {
    ImGui::SetCurrentContext(nullptr);
    std::string error;
    auto renderer = OffscreenRenderer::create(error);
    ASSERT_NE(renderer, nullptr) << error;
    EXPECT_EQ(ImGui::GetCurrentContext(), nullptr);
    Scene scene;
    scene.width = 8;
    scene.height = 8;
    renderer->render(scene);
    EXPECT_EQ(ImGui::GetCurrentContext(), nullptr);
}

// PNG files

class PngWriterTest : public testing::Test {
protected:
    void SetUp() override {
        directory =
            std::filesystem::path(testing::TempDir()) /
            ("render_test_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::size_t filesInDirectory() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory))
            ++count;
        return count;
    }

    std::filesystem::path directory;
};

Image gradientImage(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int value : {x * 10, y * 20, 200, 255})
                image.rgba.push_back(static_cast<std::uint8_t>(value));
    return image;
}

TEST_F(PngWriterTest, WrittenImageReadsBackWithTheSameSizeAndPixels) {
    std::string path = (directory / "picture.png").string();
    std::string error;
    ASSERT_TRUE(writePng(path, gradientImage(7, 5), error)) << error;
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(stbi_load(path.c_str(), &width, &height, &channels, 4),
                                                     stbi_image_free);
    ASSERT_NE(pixels, nullptr) << stbi_failure_reason();
    EXPECT_EQ(width, 7);
    EXPECT_EQ(height, 5);
    Image readBack{width, height, std::vector<std::uint8_t>(pixels.get(), pixels.get() + width * height * 4)};
    EXPECT_EQ(pixelAt(readBack, 0, 0), (Pixel{0, 0, 200, 255}));
    EXPECT_EQ(pixelAt(readBack, 6, 0), (Pixel{60, 0, 200, 255}));
    EXPECT_EQ(pixelAt(readBack, 3, 4), (Pixel{30, 80, 200, 255}));
}

TEST_F(PngWriterTest, ReplacingAFileLeavesOnlyTheNewPicture) {
    std::string path = (directory / "picture.png").string();
    std::ofstream(path) << "old contents";
    std::string error;
    ASSERT_TRUE(writePng(path, gradientImage(3, 3), error)) << error;
    int width = 0, height = 0, channels = 0;
    EXPECT_EQ(stbi_info(path.c_str(), &width, &height, &channels), 1);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(filesInDirectory(), 1u);
}

TEST_F(PngWriterTest, MissingDirectoryFailsNamingThePathAndLeavesNoFile) {
    std::string path = (directory / "absent" / "picture.png").string();
    std::string error;
    EXPECT_FALSE(writePng(path, gradientImage(2, 2), error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find("does not exist"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(filesInDirectory(), 0u);
}

TEST_F(PngWriterTest, TargetThatIsADirectoryFailsAndLeavesNoTemporaryFile) {
    std::filesystem::path target = directory / "taken";
    std::filesystem::create_directory(target);
    std::string error;
    EXPECT_FALSE(writePng(target.string(), gradientImage(2, 2), error));
    EXPECT_NE(error.find(target.string()), std::string::npos) << error;
    EXPECT_EQ(filesInDirectory(), 1u);
}

TEST_F(PngWriterTest, ReadOnlyPictureIsRefusedAndKept) {
    const std::filesystem::path target = directory / "kept.png";
    std::ofstream(target) << "old contents";
    const auto writeBits = std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                           std::filesystem::perms::others_write;
    std::filesystem::permissions(target, writeBits, std::filesystem::perm_options::remove);
    std::string error;
    EXPECT_FALSE(writePng(target.string(), gradientImage(2, 2), error));
    EXPECT_EQ(error, "cannot write " + target.string() + ": it is read-only");
    EXPECT_EQ(std::filesystem::file_size(target), 12u);
    EXPECT_EQ(filesInDirectory(), 1u);
    std::filesystem::permissions(target, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST_F(PngWriterTest, ImageWithoutPixelsIsRefused) {
    std::string path = (directory / "empty.png").string();
    std::string error;
    EXPECT_FALSE(writePng(path, Image{}, error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
} // namespace kadenzo::render
