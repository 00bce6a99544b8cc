// Program services: the folder, the argument string, starting a program,
// making a directory and ending at once.
#include "program_win32.h"
#include "text_win32.h"
#include "window_test.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::string helperPath() {
    return win32::programFolder() + "\\" + KIT_TEST_HELPER;
}

bool exists(const std::string& path) {
    return GetFileAttributesW(win32::widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string freshTempFolder(const char* name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::string folder = win32::narrow(temp) + name + std::to_string(GetCurrentProcessId());
    return folder;
}

std::optional<DWORD> exitCodeOf(const win32::StartedProgram& program) {
    DWORD code = 0;
    if (!program.hasEnded() || !GetExitCodeProcess(program.handle(), &code)) {
        return std::nullopt;
    }
    return code;
}

std::optional<DWORD> runHelper(const wchar_t* mode, DWORD waitMs = 20000) {
    SetEnvironmentVariableW(L"KIT_HELPER_MODE", mode);
    auto started = win32::startProgram(helperPath());
    SetEnvironmentVariableW(L"KIT_HELPER_MODE", nullptr);
    if (!started) {
        return std::nullopt;
    }
    WaitForSingleObject(started->handle(), waitMs);
    return exitCodeOf(*started);
}

} // namespace

TEST(Program, FolderHoldsTheRunningProgramWithoutAClosingBackslash) {
    std::string folder = win32::programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    // The helper is built next to this test program.
    EXPECT_TRUE(exists(helperPath())) << helperPath();
}

TEST(Program, ArgumentsFollowTheProgramName) {
    EXPECT_EQ(win32::argumentsOf(L"\"C:\\My Savers\\Kalendra.scr\" /c:1234"), L"/c:1234");
    EXPECT_EQ(win32::argumentsOf(L"Kalendra.scr   /s"), L"/s");
    EXPECT_EQ(win32::argumentsOf(L"Kalendra.scr /p 1234 "), L"/p 1234 ");
    EXPECT_EQ(win32::argumentsOf(L"Kalendra.scr"), L"");
    EXPECT_EQ(win32::argumentsOf(L"\"C:\\open quote"), L"");
    EXPECT_EQ(win32::argumentsOf(L""), L"");
    // This program is started without arguments of its own beyond gtest's.
    std::string own = win32::argumentString();
    EXPECT_TRUE(own.empty() || own.front() != ' ');
}

TEST(Program, StartsAProgramAndSeesItsExitStatus) {
    auto status = runHelper(L"exit");
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 7u);
    EXPECT_FALSE(win32::startProgram(win32::programFolder() + "\\no such program.exe"));
    EXPECT_FALSE(win32::startProgram(""));
}

TEST(Program, StartedProgramShowsItsWindowNormally) {
    SetEnvironmentVariableW(L"KIT_HELPER_MODE", L"window");
    auto started = win32::startProgram(helperPath());
    SetEnvironmentVariableW(L"KIT_HELPER_MODE", nullptr);
    ASSERT_TRUE(started);
    // The window exists a moment before it is shown.
    HWND window = nullptr;
    pumpUntil(
        [&] {
            window = FindWindowW(L"KitHelper", L"Kit helper window");
            return window && IsWindowVisible(window);
        },
        10000);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_FALSE(started->hasEnded());
    // The window's close command destroys it and the loop ends.
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(started->handle(), 20000), WAIT_OBJECT_0);
    EXPECT_EQ(exitCodeOf(*started), 3u);
}

TEST(Program, EndingAtOnceRunsNoUnloadHandler) {
    std::string folder = freshTempFolder("kalendra-kit-end-");
    win32::createDirectory(folder);
    SetEnvironmentVariableW(L"KIT_HELPER_DIR", win32::widen(folder).c_str());
    auto status = runHelper(L"end-while-loaded");
    SetEnvironmentVariableW(L"KIT_HELPER_DIR", nullptr);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 5u);
    EXPECT_FALSE(exists(folder + "\\query-unload"));
    EXPECT_FALSE(exists(folder + "\\unload"));
    RemoveDirectoryW(win32::widen(folder).c_str());
}

TEST(Program, CreatesADirectoryOnceAndReportsOneThatExists) {
    std::string folder = freshTempFolder("kalendra-kit-蝶-");
    RemoveDirectoryW(win32::widen(folder).c_str());
    EXPECT_TRUE(win32::createDirectory(folder));
    EXPECT_TRUE(exists(folder));
    EXPECT_FALSE(win32::createDirectory(folder));
    EXPECT_FALSE(win32::createDirectory(folder + "\\missing parent\\child"));
    EXPECT_TRUE(RemoveDirectoryW(win32::widen(folder).c_str()));
}
