// Program services: the folder, the argument string, starting a program,
// making a directory and ending at once.
#include "../window_test.h"
#include "program_win32.h"
#include "text_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::string helperPath() {
    return forms::programFolder() + "\\" + FORMS_TEST_HELPER;
}

bool exists(const std::string& path) {
    return GetFileAttributesW(forms::widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string freshTempFolder(const char* name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::string folder = forms::narrow(temp) + name + std::to_string(GetCurrentProcessId());
    return folder;
}

std::optional<DWORD> runHelper(const wchar_t* mode, DWORD waitMs = 20000) {
    SetEnvironmentVariableW(L"FORMS_HELPER_MODE", mode);
    auto started = forms::startProgram(helperPath());
    SetEnvironmentVariableW(L"FORMS_HELPER_MODE", nullptr);
    if (!started) {
        return std::nullopt;
    }
    WaitForSingleObject(started->handle(), waitMs);
    return started->exitCode();
}

} // namespace

TEST(Program, FolderHoldsTheRunningProgramWithoutAClosingBackslash) {
    std::string folder = forms::programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    // The helper is built next to this test program.
    EXPECT_TRUE(exists(helperPath())) << helperPath();
}

TEST(Program, ArgumentsFollowTheProgramName) {
    EXPECT_EQ(forms::argumentsOf(L"\"C:\\My Savers\\Kalendra.scr\" /c:1234"), L"/c:1234");
    EXPECT_EQ(forms::argumentsOf(L"Kalendra.scr   /s"), L"/s");
    EXPECT_EQ(forms::argumentsOf(L"Kalendra.scr /p 1234 "), L"/p 1234 ");
    EXPECT_EQ(forms::argumentsOf(L"Kalendra.scr"), L"");
    EXPECT_EQ(forms::argumentsOf(L"\"C:\\open quote"), L"");
    EXPECT_EQ(forms::argumentsOf(L""), L"");
    // This program is started without arguments of its own beyond gtest's.
    std::string own = forms::argumentString();
    EXPECT_TRUE(own.empty() || own.front() != ' ');
}

TEST(Program, StartsAProgramAndSeesItsExitStatus) {
    auto status = runHelper(L"exit");
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 7u);
    EXPECT_FALSE(forms::startProgram(forms::programFolder() + "\\no such program.exe"));
    EXPECT_FALSE(forms::startProgram(""));
}

TEST(Program, StartedProgramShowsItsWindowNormally) {
    SetEnvironmentVariableW(L"FORMS_HELPER_MODE", L"window");
    auto started = forms::startProgram(helperPath());
    SetEnvironmentVariableW(L"FORMS_HELPER_MODE", nullptr);
    ASSERT_TRUE(started);
    // The window exists a moment before it is shown.
    HWND window = nullptr;
    pumpUntil(
        [&] {
            window = FindWindowW(L"KalendraForm", L"Forms helper window");
            return window && IsWindowVisible(window);
        },
        10000);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_FALSE(started->hasEnded());
    // The window's close command unloads the form and the loop ends.
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(started->handle(), 20000), WAIT_OBJECT_0);
    EXPECT_EQ(started->exitCode(), 3u);
}

TEST(Program, EndingAtOnceRunsNoUnloadHandler) {
    std::string folder = freshTempFolder("kalendra-forms-end-");
    forms::createDirectory(folder);
    SetEnvironmentVariableW(L"FORMS_HELPER_DIR", forms::widen(folder).c_str());
    auto status = runHelper(L"end-while-loaded");
    SetEnvironmentVariableW(L"FORMS_HELPER_DIR", nullptr);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 5u);
    EXPECT_FALSE(exists(folder + "\\query-unload"));
    EXPECT_FALSE(exists(folder + "\\unload"));
    RemoveDirectoryW(forms::widen(folder).c_str());
}

TEST(Program, CreatesADirectoryOnceAndReportsOneThatExists) {
    std::string folder = freshTempFolder("kalendra-forms-蝶-");
    RemoveDirectoryW(forms::widen(folder).c_str());
    EXPECT_TRUE(forms::createDirectory(folder));
    EXPECT_TRUE(exists(folder));
    EXPECT_FALSE(forms::createDirectory(folder));
    EXPECT_FALSE(forms::createDirectory(folder + "\\missing parent\\child"));
    EXPECT_TRUE(RemoveDirectoryW(forms::widen(folder).c_str()));
}

// Functions of DLLs the program does not import come from the system folder
// at their first use.
TEST(Program, FindsSystemFunctionsOnFirstUse) {
    using Beep = BOOL(WINAPI*)(UINT);
    EXPECT_EQ(GetModuleHandleW(L"comdlg32.dll"), nullptr);
    EXPECT_NE(forms::systemProcedure(L"comdlg32.dll", "GetOpenFileNameA"), nullptr);
    EXPECT_NE(GetModuleHandleW(L"comdlg32.dll"), nullptr);
    EXPECT_EQ(forms::systemFunction<Beep>(L"user32.dll", "MessageBeep"), &MessageBeep);
    EXPECT_EQ(forms::systemProcedure(L"user32.dll", "NoSuchFunction"), nullptr);
    EXPECT_EQ(forms::systemProcedure(L"no such library.dll", "Anything"), nullptr);
}
