#include "text_win32.h"

namespace win32 {

namespace {

std::wstring toWide(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            length);
    }
    return wide;
}

// usedDefault, when given, reports characters the code page cannot spell.
std::string fromWide(UINT codePage, std::wstring_view wide, DWORD flags = 0,
                     BOOL* usedDefault = nullptr) {
    if (wide.empty()) {
        return {};
    }
    int size = static_cast<int>(wide.size());
    int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr,
                            usedDefault);
    }
    return text;
}

} // namespace

std::wstring widen(std::string_view utf8) {
    return toWide(CP_UTF8, utf8);
}

std::string narrow(std::wstring_view wide) {
    return fromWide(CP_UTF8, wide);
}

std::wstring ansiToWide(std::string_view ansi) {
    return toWide(CP_ACP, ansi);
}

std::string ansiToUtf8(std::string_view ansi) {
    return narrow(ansiToWide(ansi));
}

std::string utf8ToAnsi(std::string_view utf8) {
    return fromWide(CP_ACP, widen(utf8));
}

std::optional<std::string> exactAnsi(std::string_view utf8) {
    const std::wstring wide = widen(utf8);
    // The UTF-8 code page takes neither the flag nor the default-character
    // report; it spells everything.
    const bool utf8System = GetACP() == CP_UTF8;
    BOOL usedDefault = FALSE;
    std::string ansi = fromWide(CP_ACP, wide, utf8System ? 0 : WC_NO_BEST_FIT_CHARS,
                                utf8System ? nullptr : &usedDefault);
    if (usedDefault || (ansi.empty() && !wide.empty()) || ansiToWide(ansi) != wide) {
        return std::nullopt;
    }
    return ansi;
}

std::string windowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return narrow(text);
}

} // namespace win32
