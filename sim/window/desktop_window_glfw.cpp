// The desktop window on GLFW and OpenGL 3.2 (core profile), with Dear ImGui's GLFW and OpenGL 3
// backends. The game view and the host's interface are drawn by the same renderer backend, each from its
// own draw data.
//
// Index of this file:
// - Opening: GLFW, the window and its context, the backends bound to the host's context
// - The canvas: its pixels as a texture
// - Frames: the steps of the shared loop (frame_loop.h): events, drawing, reading the pixels back
#include "window/desktop_window.h"

#include "render/current_imgui_context.h"
#include "window/frame_loop.h"

// The OpenGL declarations come from gl3w, the loader of Dear ImGui's OpenGL 3 backend, not from the
// system's headers; its functions are ready once gl3wInit has run with a context current.
#include <GL/gl3w.h>
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <imgui.h>
#include <imgui_impl_glfw.h>
#include <imgui_impl_opengl3.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

// gl3w asks GLX for OpenGL's functions by name. GLFW, which made the context, finds them whatever the
// window system; answering for GLX here spares kadenzo-sim a link to libGL, so that it starts where
// OpenGL is missing and only the window command says so.
// Rationale: gl3w of this Dear ImGui release takes no function of the caller's to look names up with.
extern "C" GLFWglproc glXGetProcAddress(const unsigned char* name) {
    return glfwGetProcAddress(reinterpret_cast<const char*>(name));
}

namespace kadenzo::sim {

// ---- Opening -----------------------------------------------------------------------------------

namespace {

// GLFW reports errors through a callback, with no context to pass; the last one is kept for messages.
std::string lastGlfwError;

void rememberGlfwError(int, const char* description) {
    lastGlfwError = description ? description : "an unknown error";
}

std::string noWindowReason() {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return "no display (DISPLAY is not set)";
    return lastGlfwError.empty() ? "the window system gave no reason" : lastGlfwError;
}

ImTextureID textureId(GLuint texture) {
    return reinterpret_cast<ImTextureID>(static_cast<std::intptr_t>(texture));
}

// GLFW itself, from glfwInit to glfwTerminate.
struct GlfwLibrary {
    GlfwLibrary() = default;
    GlfwLibrary(const GlfwLibrary&) = delete;
    GlfwLibrary& operator=(const GlfwLibrary&) = delete;
    ~GlfwLibrary() { glfwTerminate(); }
};

class GlfwWindow : public DesktopWindow, private FramePlatform {
public:
    GlfwWindow(std::unique_ptr<GlfwLibrary> library, GLFWwindow* window, ImGuiContext* context);
    ~GlfwWindow() override;
    GlfwWindow(const GlfwWindow&) = delete;
    GlfwWindow& operator=(const GlfwWindow&) = delete;

    render::Image run(WindowSession& session, std::optional<int> frames, bool keepLastFrame) override;

private:
    bool handleEvents() override;
    void uploadCanvas(const render::Image& pixels) override;
    void newBackendFrame() override;
    void clearBackBuffer() override;
    void renderDrawData(ImDrawData* drawData) override;
    ImTextureID canvasTexture() const override { return textureId(canvas); }
    FontTextures fontTextures() const override { return fonts; }
    render::Image readBackBuffer() override;
    void present(bool waitForDisplay) override;
    void sleepUntil(std::chrono::steady_clock::time_point time) override;

    std::unique_ptr<GlfwLibrary> library;
    GLFWwindow* window;
    ImGuiContext* context;
    FontTextures fonts;
    GLuint canvas = 0;
};

GlfwWindow::GlfwWindow(std::unique_ptr<GlfwLibrary> library, GLFWwindow* window, ImGuiContext* context)
    : library(std::move(library)), window(window), context(context) {
    render::CurrentImGuiContext current(context);
    ImGuiIO& io = ImGui::GetIO();
    fonts.host = io.Fonts->TexID;
    ImGui_ImplGlfw_InitForOpenGL(window, true);
    ImGui_ImplOpenGL3_Init("#version 150");
    ImGui_ImplOpenGL3_CreateDeviceObjects();
    fonts.backend = io.Fonts->TexID;
    io.Fonts->SetTexID(fonts.host);

    glGenTextures(1, &canvas);
    glBindTexture(GL_TEXTURE_2D, canvas);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

GlfwWindow::~GlfwWindow() {
    render::CurrentImGuiContext current(context);
    glDeleteTextures(1, &canvas);
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplGlfw_Shutdown();
    ImGui::GetIO().Fonts->SetTexID(fonts.host);
    glfwDestroyWindow(window);
}

} // namespace

bool desktopWindowsAvailable() {
    return true;
}

std::unique_ptr<DesktopWindow> openDesktopWindow(const std::string& title, int width, int height,
                                                 ImGuiContext* context, std::string& error) {
    lastGlfwError.clear();
    glfwSetErrorCallback(rememberGlfwError);
    if (!glfwInit()) {
        error = noWindowReason();
        return nullptr;
    }
    auto library = std::make_unique<GlfwLibrary>();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 2);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
    GLFWwindow* window = glfwCreateWindow(width, height, title.c_str(), nullptr, nullptr);
    if (!window) {
        error = noWindowReason();
        return nullptr;
    }
    glfwMakeContextCurrent(window);
    if (gl3wInit() != 0) {
        error = "cannot load OpenGL's functions (libGL.so.1)";
        glfwDestroyWindow(window);
        return nullptr;
    }
    if (!gl3wIsSupported(3, 2)) {
        error = "the display offers no OpenGL 3.2";
        glfwDestroyWindow(window);
        return nullptr;
    }
    glfwSwapInterval(1);
    return std::make_unique<GlfwWindow>(std::move(library), window, context);
}

// ---- The canvas --------------------------------------------------------------------------------

namespace {

void GlfwWindow::uploadCanvas(const render::Image& pixels) {
    glBindTexture(GL_TEXTURE_2D, canvas);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pixels.width, pixels.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.rgba.data());
}

// ---- Frames ------------------------------------------------------------------------------------

render::Image GlfwWindow::run(WindowSession& session, std::optional<int> frames, bool keepLastFrame) {
    // GLFW's callbacks feed whichever Dear ImGui context is current: the host's, for the whole loop.
    render::CurrentImGuiContext current(context);
    return runFrames(*this, session, frames, keepLastFrame);
}

bool GlfwWindow::handleEvents() {
    glfwPollEvents();
    return !glfwWindowShouldClose(window);
}

void GlfwWindow::newBackendFrame() {
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplGlfw_NewFrame();
}

void GlfwWindow::clearBackBuffer() {
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    glViewport(0, 0, width, height);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void GlfwWindow::renderDrawData(ImDrawData* drawData) {
    ImGui_ImplOpenGL3_RenderDrawData(drawData);
}

// OpenGL's rows start at the bottom.
render::Image GlfwWindow::readBackBuffer() {
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    render::Image image;
    if (width < 1 || height < 1) return image;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    std::vector<std::uint8_t> bottomUp(rowBytes * static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    image.width = width;
    image.height = height;
    image.rgba.resize(bottomUp.size());
    for (int row = 0; row < height; ++row)
        std::memcpy(image.rgba.data() + static_cast<std::size_t>(row) * rowBytes,
                    bottomUp.data() + static_cast<std::size_t>(height - 1 - row) * rowBytes, rowBytes);
    return image;
}

// The swap interval set when the window opened waits for the display, whatever the frames.
void GlfwWindow::present(bool) {
    glfwSwapBuffers(window);
}

void GlfwWindow::sleepUntil(std::chrono::steady_clock::time_point time) {
    std::this_thread::sleep_until(time);
}

} // namespace

} // namespace kadenzo::sim
