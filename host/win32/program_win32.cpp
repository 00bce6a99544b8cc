#include "program_win32.h"

#include "text_win32.h"

namespace win32 {

std::string programFolder() {
    // The longest path Windows knows.
    std::wstring path(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) {
        return {};
    }
    std::size_t slash = path.find_last_of(L"\\/", length);
    path.resize(slash == std::wstring::npos ? 0 : slash);
    return narrow(path);
}

std::wstring argumentsOf(std::wstring_view commandLine) {
    std::size_t at = 0;
    // The program name ends at the closing quote, or at the first blank.
    if (!commandLine.empty() && commandLine[0] == L'"') {
        std::size_t close = commandLine.find(L'"', 1);
        at = close == std::wstring_view::npos ? commandLine.size() : close + 1;
    }
    while (at < commandLine.size() && commandLine[at] != L' ' && commandLine[at] != L'\t') {
        ++at;
    }
    while (at < commandLine.size() && (commandLine[at] == L' ' || commandLine[at] == L'\t')) {
        ++at;
    }
    return std::wstring(commandLine.substr(at));
}

std::string argumentString() {
    const wchar_t* commandLine = GetCommandLineW();
    return narrow(argumentsOf(commandLine ? commandLine : L""));
}

bool StartedProgram::hasEnded() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
}

std::optional<StartedProgram> startProgram(const std::string& pathUtf8) {
    std::wstring path = widen(pathUtf8);
    if (path.empty()) {
        return std::nullopt;
    }
    // The program sees its own quoted path as its command line.
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started = {};
    // Detached rather than given a hidden console: a console needs a console
    // host process of its own (under Wine a whole second program start),
    // which would hold back the program's start.
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                        nullptr, nullptr, &startup, &started)) {
        return std::nullopt;
    }
    UniqueHandle thread(started.hThread);
    // Lets the new program's window come to the front.
    AllowSetForegroundWindow(started.dwProcessId);
    return StartedProgram(started.hProcess);
}

std::string_view resourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
    HRSRC resource = FindResourceW(module, name, type);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return data ? std::string_view(static_cast<const char*>(data), SizeofResource(module, resource))
                : std::string_view();
}

bool createDirectory(const std::string& pathUtf8) {
    return CreateDirectoryW(widen(pathUtf8).c_str(), nullptr) != 0;
}

void endProgram(unsigned exitCode) {
    ExitProcess(exitCode);
}

} // namespace win32
