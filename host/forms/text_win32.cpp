#include "text_win32.h"

#include <windows.h>

namespace forms {

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

std::string fromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            length, nullptr, nullptr);
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

std::string ansiToUtf8(std::string_view ansi) {
    return narrow(toWide(CP_ACP, ansi));
}

std::string utf8ToAnsi(std::string_view utf8) {
    return fromWide(CP_ACP, widen(utf8));
}

} // namespace forms
