#include "user_control_win32.h"

#include "form_win32.h"
#include "gdi_win32.h"
#include "screen_win32.h"

#include <cctype>

namespace forms {

UserControl::UserControl() = default;

UserControl::~UserControl() {
    if (Form* owner = form()) {
        owner->forgetButton(this);
    }
    detachControls();
    // Destroyed here, while this object still answers its window's messages.
    if (HWND window = handle()) {
        setControlOf(window, nullptr);
        DestroyWindow(window);
    }
    // The buffers go before the font that is selected into them.
    canvas_ = MemoryCanvas();
    composition_ = MemoryCanvas();
}

bool UserControl::create(Container& container, const Placement& placement,
                         const PropertyBag* properties) {
    if (handle() || !container.containerWindow()) {
        return false;
    }
    starting_ = true;
    HWND window =
        createTargetWindow(WindowClass::UserControl, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           L"", pixelRectIn(container, placement), parentWindowOf(container), this);
    if (!window) {
        starting_ = false;
        return false;
    }
    attach(container, window, placement);
    showAccessKey();
    RECT client = {};
    GetClientRect(window, &client);
    resizeCanvas(client.right, client.bottom);
    handleInitialize();
    handleReadProperties(properties ? *properties : PropertyBag());
    starting_ = false;
    handleResize();
    if (handle()) {
        ShowWindow(handle(), SW_SHOWNA);
    }
    return handle() != nullptr;
}

HDC UserControl::hdc() {
    if (HWND window = handle()) {
        InvalidateRect(window, nullptr, FALSE);
    }
    return canvas_.dc();
}

float UserControl::scaleWidthTwips() const {
    return static_cast<float>(canvas_.width()) * Screen::twipsPerPixelX();
}

float UserControl::scaleHeightTwips() const {
    return static_cast<float>(canvas_.height()) * Screen::twipsPerPixelY();
}

void UserControl::setBackColour(Colour colour) {
    backColour_ = colour;
    prepareCanvas();
    notifyAmbientChanged("BackColor");
}

void UserControl::setForeColour(Colour colour) {
    foreColour_ = colour;
    prepareCanvas();
}

void UserControl::setFont(const FontDescription& font) {
    Font replacement(font);
    if (canvas_.valid()) {
        SelectObject(canvas_.dc(), replacement.handle());
    }
    font_ = std::move(replacement);
}

void UserControl::refresh() {
    if (HWND window = handle()) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void UserControl::setSize(int widthTwips, int heightTwips) {
    Placement place = placement();
    place.width = widthTwips;
    place.height = heightTwips;
    move(place);
}

Colour UserControl::ambientBackColour() const {
    Container* parent = container();
    return parent ? parent->backColour() : systemButtonFace;
}

bool UserControl::ambientDisplayAsDefault() const {
    Form* owner = form();
    return owner && owner->defaultButton() == this;
}

HWND UserControl::parentFormHandle() const {
    Form* owner = form();
    return owner ? owner->handle() : nullptr;
}

void UserControl::setAccessKeys(std::string keys) {
    for (char& key : keys) {
        key = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
    }
    accessKeys_ = std::move(keys);
    showAccessKey();
}

// Windows' dialog keyboard finds a control's access key after the "&" in
// its window text, and presses it with BM_CLICK.
void UserControl::showAccessKey() {
    if (HWND window = handle()) {
        std::wstring text = accessKeys_.empty() ? L"" : L"&" + std::wstring(1, accessKeys_[0]);
        SetWindowTextW(window, text.c_str());
    }
}

bool UserControl::canReceiveFocus() const {
    return canGetFocus_ && WindowedControl::canReceiveFocus();
}

void UserControl::sendTab(bool backwards) {
    if (Form* owner = form()) {
        owner->moveFocus(!backwards);
    }
}

void UserControl::propertyChanged(std::string_view name) {
    if (auto handler = onPropertyChanged) {
        handler(name);
    }
}

void UserControl::resizeCanvas(int width, int height) {
    if (width == canvas_.width() && height == canvas_.height()) {
        return;
    }
    // The new buffer keeps what the old one showed, as far as it reaches.
    MemoryCanvas resized(width, height);
    if (resized.valid()) {
        RECT all = {0, 0, width, height};
        fillRectangle(resized.dc(), all, backColour_);
        if (canvas_.valid()) {
            BitBlt(resized.dc(), 0, 0, canvas_.width(), canvas_.height(), canvas_.dc(), 0, 0,
                   SRCCOPY);
        }
    }
    canvas_ = std::move(resized);
    prepareCanvas();
}

void UserControl::prepareCanvas() {
    if (!canvas_.valid()) {
        return;
    }
    HDC dc = canvas_.dc();
    SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, colorRefOf(foreColour_));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetTextColor(dc, colorRefOf(foreColour_));
    SetBkColor(dc, colorRefOf(backColour_));
    SetBkMode(dc, TRANSPARENT);
    if (font_.handle()) {
        SelectObject(dc, font_.handle());
    }
}

void UserControl::compose(HDC target) {
    if (!canvas_.valid()) {
        return;
    }
    int width = canvas_.width();
    int height = canvas_.height();
    bool overlay = false;
    for (const WindowlessControl* control : windowlessControls()) {
        overlay = overlay || control->visible();
    }
    if (!overlay) {
        BitBlt(target, 0, 0, width, height, canvas_.dc(), 0, 0, SRCCOPY);
        return;
    }
    if (composition_.width() != width || composition_.height() != height) {
        composition_ = MemoryCanvas(width, height);
    }
    BitBlt(composition_.dc(), 0, 0, width, height, canvas_.dc(), 0, 0, SRCCOPY);
    paintWindowlessControls(composition_.dc());
    BitBlt(target, 0, 0, width, height, composition_.dc(), 0, 0, SRCCOPY);
}

bool UserControl::onMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MouseEvent event = mouseEventFrom(message, wParam, lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (pressWindowlessControl(message, wParam, lParam)) {
            return true;
        }
        if (message == WM_LBUTTONDOWN && canReceiveFocus() && !hasFocus()) {
            SetFocus(window);
        }
        SetCapture(window);
        if (message == WM_LBUTTONDBLCLK) {
            handleDblClick();
        } else {
            handleMouseDown(event);
        }
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == window) {
            ReleaseCapture();
        }
        handleMouseUp(event);
        return true;
    case WM_MOUSEMOVE:
        event.button = static_cast<MouseButton>(event.buttons);
        handleMouseMove(event);
        return true;
    default:
        return false;
    }
}

bool UserControl::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) {
    if (handlePaintMessage(window, message, wParam, result, [this](HDC dc) { compose(dc); })) {
        return true;
    }
    switch (message) {
    case WM_SIZE:
        resizeCanvas(LOWORD(lParam), HIWORD(lParam));
        if (!starting_) {
            handleResize();
        }
        return true;
    case WM_SETFOCUS:
        handleGotFocus();
        return true;
    case WM_KILLFOCUS:
        handleLostFocus();
        return true;
    case WM_KEYDOWN:
        handleKeyDown(static_cast<int>(wParam), currentShiftState());
        return true;
    case WM_KEYUP:
        handleKeyUp(static_cast<int>(wParam), currentShiftState());
        return true;
    case WM_GETDLGCODE: {
        // A focused user control takes Enter itself.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
        result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_BUTTON | (enter ? DLGC_WANTMESSAGE : 0);
        return true;
    }
    case BM_CLICK: // its access key
        if (canReceiveFocus()) {
            SetFocus(window);
        }
        handleAccessKeyPress(accessKeys_.empty() ? 0 : accessKeys_[0]);
        return true;
    case WM_DESTROY:
        handleTerminate();
        return false;
    default:
        return onMouse(window, message, wParam, lParam);
    }
}

} // namespace forms
