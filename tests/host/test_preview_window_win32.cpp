// The preview window in a window of this process, where its painting can be
// read back (a child of another process's window has no drawing surface
// under Wine).

#include "preview_window_win32.h"

#include "gdi_win32.h"
#include "picture_win32.h"
#include "program_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

class ParentWindow {
  public:
    ParentWindow(int width, int height) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"PreviewTestParent";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"parent",
                                  WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 50, 50, width, height,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~ParentWindow() { destroy(); }
    void destroy() {
        if (window_) {
            DestroyWindow(window_);
            window_ = nullptr;
        }
    }
    HWND handle() const { return window_; }

  private:
    HWND window_ = nullptr;
};

// The top-down 0x00RRGGBB pixels of a window's client area as it paints them,
// on a canvas first filled with 0x123456 so unpainted pixels show.
std::vector<std::uint32_t> paintedPixels(HWND window, int width, int height) {
    win32::MemoryCanvas canvas(width, height);
    RECT all = {0, 0, width, height};
    win32::GdiObject<HBRUSH> unpainted(CreateSolidBrush(RGB(0x12, 0x34, 0x56)));
    FillRect(canvas.dc(), &all, unpainted.get());
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF colour = canvas.pixel(x, y);
            pixels.push_back(GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour));
        }
    }
    return pixels;
}

// Pixel (x, y) of the preview's 24-bit bottom-up bitmap resource: the file
// without its file header.
std::uint32_t previewPixel(std::string_view bitmap, int x, int y) {
    const auto* file = reinterpret_cast<const std::uint8_t*>(bitmap.data());
    std::uint32_t offset = file[0] | file[1] << 8;
    int width = file[4] | file[5] << 8;
    int height = file[8] | file[9] << 8;
    std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::uint8_t* p = file + offset + stride * (height - 1 - y) + x * 3;
    return p[2] << 16 | p[1] << 8 | p[0];
}

void drainQuit() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

TEST(PreviewWindow, CarriesA152By112Picture) {
    auto picture = win32::loadBitmap(GetModuleHandleW(nullptr), L"PREVIEW");
    ASSERT_TRUE(picture);
    EXPECT_EQ(win32::bitmapSize(picture.get()).cx, 152);
    EXPECT_EQ(win32::bitmapSize(picture.get()).cy, 112);
}

TEST(PreviewWindow, FillsItsParentWithThePictureAtTheTopLeft) {
    std::string_view file = win32::resourceBytes(nullptr, L"PREVIEW", RT_BITMAP);
    ASSERT_GT(file.size(), 40u);
    for (auto [width, height] : {std::pair{152, 112}, std::pair{240, 180}, std::pair{100, 80}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        ParentWindow parent(width, height);
        PreviewWindow preview;
        ASSERT_TRUE(preview.setUp(parent.handle()));
        HWND window = preview.handle();
        EXPECT_EQ(GetParent(window), parent.handle());
        LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        EXPECT_TRUE(style & WS_CHILD);
        EXPECT_FALSE(style & WS_POPUP);
        EXPECT_TRUE(IsWindowVisible(window));
        RECT place = {};
        GetWindowRect(window, &place);
        MapWindowPoints(nullptr, parent.handle(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, 0);
        EXPECT_EQ(place.top, 0);
        EXPECT_EQ(place.right, width);
        EXPECT_EQ(place.bottom, height);

        std::vector<std::uint32_t> pixels = paintedPixels(window, width, height);
        int wrong = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                std::uint32_t expected = x < 152 && y < 112 ? previewPixel(file, x, y) : 0;
                wrong += pixels[static_cast<std::size_t>(y) * width + x] != expected;
            }
        }
        EXPECT_EQ(wrong, 0);

        // The preview area goes: the preview goes with it.
        parent.destroy();
        EXPECT_EQ(preview.handle(), nullptr);
        drainQuit();
    }
}

TEST(PreviewWindow, TakesTheAwarenessOfItsParent) {
    // Looked up as the preview looks them up: older systems lack them.
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto setThread = reinterpret_cast<DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
    auto ofThread = reinterpret_cast<DPI_AWARENESS_CONTEXT(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    auto ofWindow = reinterpret_cast<DPI_AWARENESS_CONTEXT(WINAPI*)(HWND)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    auto equal = reinterpret_cast<BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "AreDpiAwarenessContextsEqual")));
    if (!setThread || !ofThread || !ofWindow || !equal) {
        GTEST_SKIP() << "no per-window DPI awareness here";
    }
    DPI_AWARENESS_CONTEXT before = setThread(DPI_AWARENESS_CONTEXT_UNAWARE);
    ParentWindow parent(152, 112);
    setThread(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    ASSERT_TRUE(equal(ofWindow(parent.handle()), DPI_AWARENESS_CONTEXT_UNAWARE));
    {
        PreviewWindow preview;
        ASSERT_TRUE(preview.setUp(parent.handle()));
        // The thread that made the preview's window took the parent's context.
        EXPECT_TRUE(equal(ofThread(), DPI_AWARENESS_CONTEXT_UNAWARE));
        EXPECT_TRUE(equal(ofWindow(preview.handle()), DPI_AWARENESS_CONTEXT_UNAWARE));
    }
    parent.destroy();
    drainQuit();
    setThread(before);
}

TEST(PreviewWindow, RefusesWhatIsNotAWindow) {
    PreviewWindow none;
    EXPECT_FALSE(none.setUp(nullptr));
    PreviewWindow wrong;
    EXPECT_FALSE(wrong.setUp(reinterpret_cast<HWND>(static_cast<INT_PTR>(12345))));
    EXPECT_EQ(wrong.handle(), nullptr);
}

} // namespace
