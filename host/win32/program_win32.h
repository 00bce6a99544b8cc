#pragma once

#include "handle_win32.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace win32 {

// The folder that holds the running program, without a closing backslash
// (UTF-8; callers append "\" and a file name).
std::string programFolder();

// The command line after the program's name, leading blanks removed (UTF-8).
std::string argumentString();
// The same from a given command line, for callers that have one.
std::wstring argumentsOf(std::wstring_view commandLine);

// A program started by startProgram; the handle is closed with it.
class StartedProgram {
  public:
    explicit StartedProgram(HANDLE process) : process_(process) {}

    HANDLE handle() const { return process_.get(); }
    bool hasEnded() const;

  private:
    UniqueHandle process_;
};

// Starts a program by path, without arguments, and returns at once. Its
// window is shown normally and may take the focus; a console program gets
// no console at all, so no console window either.
std::optional<StartedProgram> startProgram(const std::string& pathUtf8);

// The bytes of a resource of the program (RCDATA by default); empty when
// it has none of that name.
std::string_view resourceBytes(HMODULE module, const wchar_t* name,
                               const wchar_t* type = MAKEINTRESOURCEW(10));

// False when the directory exists already or cannot be made.
bool createDirectory(const std::string& pathUtf8);

// Ends the process at once: no window is asked or told.
[[noreturn]] void endProgram(unsigned exitCode = 0);

} // namespace win32
