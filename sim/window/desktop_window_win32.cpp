// The desktop window on Win32 and Direct3D 11, with Dear ImGui's Win32 and DirectX 11 backends. The
// game view and the host's interface are drawn by the same renderer backend, each from its own draw data.
//
// Index of this file:
// - Opening: the window class, the window, the device and swap chain, the backends
// - The canvas: its pixels as a texture
// - Frames: the steps of the shared loop (frame_loop.h): messages, drawing, reading the pixels back
#include "window/desktop_window.h"

#include "platform/windows_error.h"
#include "render/current_imgui_context.h"
#include "window/frame_loop.h"

// Without the min and max macros, which would hide std::min and std::max.
#define NOMINMAX
#include <windows.h>

#include <d3d11.h>
#include <imgui.h>
#include <imgui_impl_dx11.h>
#include <imgui_impl_win32.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <stdexcept>

extern IMGUI_IMPL_API LRESULT ImGui_ImplWin32_WndProcHandler(HWND window, UINT message, WPARAM wParam,
                                                             LPARAM lParam);

namespace kadenzo::sim {

// ---- Opening -----------------------------------------------------------------------------------

namespace {

constexpr const wchar_t* windowClassName = L"KadenzoSimWindow";

// A COM pointer released at the end of its scope.
template <typename Interface> class Com {
public:
    Com() = default;
    ~Com() { reset(); }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    Interface* get() const { return pointer; }
    Interface* operator->() const { return pointer; }
    Interface** out() {
        reset();
        return &pointer;
    }
    void reset() {
        if (pointer) pointer->Release();
        pointer = nullptr;
    }

private:
    Interface* pointer = nullptr;
};

std::wstring wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

class Win32Window;

// The window's messages go to the backend first, then to the window.
LRESULT CALLBACK windowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

class Win32Window : public DesktopWindow, private FramePlatform {
public:
    Win32Window(HWND handle, ImGuiContext* context) : handle(handle), context(context) {}
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // The device, the swap chain and the backends; false with the cause in ERROR.
    bool setUp(std::string& error);
    render::Image run(WindowSession& session, std::optional<int> frames, bool keepLastFrame) override;

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool makeRenderTarget();

    bool handleEvents() override;
    void uploadCanvas(const render::Image& pixels) override;
    void newBackendFrame() override;
    void clearBackBuffer() override;
    void renderDrawData(ImDrawData* drawData) override;
    ImTextureID canvasTexture() const override { return reinterpret_cast<ImTextureID>(canvasView.get()); }
    FontTextures fontTextures() const override { return fonts; }
    render::Image readBackBuffer() override;
    void present(bool waitForDisplay) override;
    void sleepUntil(std::chrono::steady_clock::time_point time) override;

    HWND handle;
    ImGuiContext* context;
    bool backendsReady = false;
    bool closing = false;
    Com<ID3D11Device> device;
    Com<ID3D11DeviceContext> deviceContext;
    Com<IDXGISwapChain> swapChain;
    Com<ID3D11RenderTargetView> renderTarget;
    Com<ID3D11Texture2D> canvas;
    Com<ID3D11ShaderResourceView> canvasView;
    int canvasWidth = 0, canvasHeight = 0;
    FontTextures fonts;
};

LRESULT CALLBACK windowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ImGui_ImplWin32_WndProcHandler(handle, message, wParam, lParam)) return TRUE;
    if (auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA)))
        return window->handleMessage(message, wParam, lParam);
    return DefWindowProcW(handle, message, wParam, lParam);
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (swapChain.get() && wParam != SIZE_MINIMIZED) {
            renderTarget.reset();
            swapChain->ResizeBuffers(0, LOWORD(lParam), HIWORD(lParam), DXGI_FORMAT_UNKNOWN, 0);
            makeRenderTarget();
        }
        return 0;
    case WM_CLOSE:
        closing = true;
        return 0;
    default:
        return DefWindowProcW(handle, message, wParam, lParam);
    }
}

bool Win32Window::makeRenderTarget() {
    Com<ID3D11Texture2D> backBuffer;
    if (FAILED(swapChain->GetBuffer(0, IID_PPV_ARGS(backBuffer.out())))) return false;
    return SUCCEEDED(device->CreateRenderTargetView(backBuffer.get(), nullptr, renderTarget.out()));
}

bool Win32Window::setUp(std::string& error) {
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    DXGI_SWAP_CHAIN_DESC description{};
    description.BufferCount = 2;
    description.BufferDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    description.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    description.OutputWindow = handle;
    description.SampleDesc.Count = 1;
    description.Windowed = TRUE;
    description.SwapEffect = DXGI_SWAP_EFFECT_DISCARD;
    const D3D_FEATURE_LEVEL levels[] = {D3D_FEATURE_LEVEL_11_0, D3D_FEATURE_LEVEL_10_0};
    HRESULT result = E_FAIL;
    // A graphics card when there is one, else Direct3D's software rasterizer.
    for (const D3D_DRIVER_TYPE driver : {D3D_DRIVER_TYPE_HARDWARE, D3D_DRIVER_TYPE_WARP}) {
        result = D3D11CreateDeviceAndSwapChain(nullptr, driver, nullptr, 0, levels, 2, D3D11_SDK_VERSION,
                                               &description, swapChain.out(), device.out(), nullptr,
                                               deviceContext.out());
        if (SUCCEEDED(result)) break;
    }
    if (FAILED(result) || !makeRenderTarget()) {
        error = "no Direct3D 11 device: " + platform::windowsErrorText(static_cast<unsigned long>(result));
        return false;
    }
    render::CurrentImGuiContext current(context);
    ImGuiIO& io = ImGui::GetIO();
    fonts.host = io.Fonts->TexID;
    ImGui_ImplWin32_Init(handle);
    ImGui_ImplDX11_Init(device.get(), deviceContext.get());
    ImGui_ImplDX11_CreateDeviceObjects();
    fonts.backend = io.Fonts->TexID;
    io.Fonts->SetTexID(fonts.host);
    backendsReady = true;
    ShowWindow(handle, SW_SHOWDEFAULT);
    UpdateWindow(handle);
    return true;
}

Win32Window::~Win32Window() {
    if (backendsReady) {
        render::CurrentImGuiContext current(context);
        ImGui_ImplDX11_Shutdown();
        ImGui_ImplWin32_Shutdown();
        ImGui::GetIO().Fonts->SetTexID(fonts.host);
    }
    canvasView.reset();
    canvas.reset();
    renderTarget.reset();
    swapChain.reset();
    deviceContext.reset();
    device.reset();
    SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
    DestroyWindow(handle);
    UnregisterClassW(windowClassName, GetModuleHandleW(nullptr));
}

} // namespace

bool desktopWindowsAvailable() {
    return true;
}

std::unique_ptr<DesktopWindow> openDesktopWindow(const std::string& title, int width, int height,
                                                 ImGuiContext* context, std::string& error) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_CLASSDC;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = windowClassName;
    if (!RegisterClassExW(&windowClass)) {
        error = platform::windowsErrorText(GetLastError());
        return nullptr;
    }
    RECT frame{0, 0, width, height};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND handle = CreateWindowW(windowClassName, wide(title).c_str(), WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                      frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!handle) {
        error = "no display (" + platform::windowsErrorText(GetLastError()) + ")";
        UnregisterClassW(windowClassName, instance);
        return nullptr;
    }
    auto window = std::make_unique<Win32Window>(handle, context);
    if (!window->setUp(error)) return nullptr;
    return window;
}

// ---- The canvas --------------------------------------------------------------------------------

namespace {

void Win32Window::uploadCanvas(const render::Image& pixels) {
    if (pixels.width != canvasWidth || pixels.height != canvasHeight) {
        canvasView.reset();
        D3D11_TEXTURE2D_DESC description{};
        description.Width = static_cast<UINT>(pixels.width);
        description.Height = static_cast<UINT>(pixels.height);
        description.MipLevels = 1;
        description.ArraySize = 1;
        description.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
        description.SampleDesc.Count = 1;
        description.Usage = D3D11_USAGE_DEFAULT;
        description.BindFlags = D3D11_BIND_SHADER_RESOURCE;
        if (FAILED(device->CreateTexture2D(&description, nullptr, canvas.out())) ||
            FAILED(device->CreateShaderResourceView(canvas.get(), nullptr, canvasView.out())))
            throw std::runtime_error("cannot show the game: no texture for the canvas");
        canvasWidth = pixels.width;
        canvasHeight = pixels.height;
    }
    deviceContext->UpdateSubresource(canvas.get(), 0, nullptr, pixels.rgba.data(),
                                     static_cast<UINT>(pixels.width) * 4, 0);
}

// ---- Frames ------------------------------------------------------------------------------------

render::Image Win32Window::run(WindowSession& session, std::optional<int> frames, bool keepLastFrame) {
    // The backend's message handler feeds whichever Dear ImGui context is current: the host's.
    render::CurrentImGuiContext current(context);
    return runFrames(*this, session, frames, keepLastFrame);
}

bool Win32Window::handleEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return false;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return !closing;
}

void Win32Window::newBackendFrame() {
    ImGui_ImplDX11_NewFrame();
    ImGui_ImplWin32_NewFrame();
}

void Win32Window::clearBackBuffer() {
    const float black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    ID3D11RenderTargetView* target = renderTarget.get();
    deviceContext->OMSetRenderTargets(1, &target, nullptr);
    deviceContext->ClearRenderTargetView(target, black);
}

void Win32Window::renderDrawData(ImDrawData* drawData) {
    ImGui_ImplDX11_RenderDrawData(drawData);
}

// The back buffer is copied to memory the processor can read.
render::Image Win32Window::readBackBuffer() {
    render::Image image;
    Com<ID3D11Texture2D> backBuffer;
    if (FAILED(swapChain->GetBuffer(0, IID_PPV_ARGS(backBuffer.out())))) return image;
    D3D11_TEXTURE2D_DESC description{};
    backBuffer->GetDesc(&description);
    description.Usage = D3D11_USAGE_STAGING;
    description.BindFlags = 0;
    description.CPUAccessFlags = D3D11_CPU_ACCESS_READ;
    description.MiscFlags = 0;
    Com<ID3D11Texture2D> copy;
    if (FAILED(device->CreateTexture2D(&description, nullptr, copy.out()))) return image;
    deviceContext->CopyResource(copy.get(), backBuffer.get());
    D3D11_MAPPED_SUBRESOURCE mapped{};
    if (FAILED(deviceContext->Map(copy.get(), 0, D3D11_MAP_READ, 0, &mapped))) return image;
    image.width = static_cast<int>(description.Width);
    image.height = static_cast<int>(description.Height);
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
    image.rgba.resize(rowBytes * static_cast<std::size_t>(image.height));
    for (int row = 0; row < image.height; ++row)
        std::memcpy(image.rgba.data() + static_cast<std::size_t>(row) * rowBytes,
                    static_cast<const std::uint8_t*>(mapped.pData) +
                        static_cast<std::size_t>(row) * mapped.RowPitch,
                    rowBytes);
    deviceContext->Unmap(copy.get(), 0);
    return image;
}

// A run of a fixed count of frames does not wait for the display.
void Win32Window::present(bool waitForDisplay) {
    swapChain->Present(waitForDisplay ? 1 : 0, 0);
}

// Sleep rather than std::this_thread, whose function Wine's msvcp140.dll lacks.
void Win32Window::sleepUntil(std::chrono::steady_clock::time_point time) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(time - std::chrono::steady_clock::now());
    if (left.count() > 0) Sleep(static_cast<DWORD>(left.count()));
}

} // namespace

} // namespace kadenzo::sim
