// Kalendra.scr: the screensaver host. Windows starts it with /s (run),
// /c (settings), /p <window> (preview); anything else ends it.

#include "command_line.h"
#include "preview_window_win32.h"
#include "screen_size.h"
#include "screensaver_run_win32.h"
#include "settings.h"
#include "settings_dialog_win32.h"
#include "settings_file_win32.h"
#include "startup_profile.h"
#include "system_dlls.h"
#include "window_titles.h"

#include "program_win32.h"
#include "screen_win32.h"
#include "text_win32.h"

#include <windows.h>

#include <memory>

namespace {

bool anotherCopyIsBusy() {
    return FindWindowA(nullptr, titles::startGuard) != nullptr ||
           FindWindowW(nullptr, win32::widen(titles::settingsDialog).c_str()) != nullptr;
}

void saveScreenSize(SettingsStore& store) {
    auto width = screenSidePixels(win32::Screen::widthTwips(), win32::Screen::twipsPerPixelX());
    auto height = screenSidePixels(win32::Screen::heightTwips(), win32::Screen::twipsPerPixelY());
    if (width && height) {
        storeScreenSize(store, *width, *height);
    }
}

// Settings loaded at the start, for the window of this start.
LoadedSettings loadedSettings;

// Decides whether and how the host runs, and hands over to a window: the
// preview's or the run's, which keeps the process alive until it ends it.
std::unique_ptr<win32::PlainWindow> windowForThisStart() {
    if (anotherCopyIsBusy()) {
        win32::endProgram(0);
    }
    CommandLine command = parseCommandLine(win32::argumentString());
    if (command.mode == HostMode::Preview) {
        auto preview = std::make_unique<PreviewWindow>();
        // Window handles carry 32 significant bits, sign-extended on 64-bit Windows.
        if (!preview->setUp(reinterpret_cast<HWND>(static_cast<INT_PTR>(command.previewWindow)))) {
            win32::endProgram(0);
        }
        return preview;
    }

    win32::createDirectory(contract::workingFolder);
    SettingsFile store;
    // The folder is where the file chooser opens; like the settings' paths
    // it is in the system's ANSI code page.
    loadSettings(store, loadedSettings, win32::utf8ToAnsi(win32::programFolder()), isAnsiLeadByte);

    if (command.mode == HostMode::Settings) {
        dialog::SettingsDialog settingsDialog(loadedSettings, store);
        settingsDialog.show();
        win32::endProgram(0);
    }
    if (command.mode != HostMode::Screensaver && command.mode != HostMode::ScreensaverNoCursor) {
        win32::endProgram(0);
    }
    bool hideCursor = command.mode == HostMode::Screensaver;
    if (hideCursor) {
        ShowCursor(FALSE);
    }
    saveScreenSize(store);
    auto run = std::make_unique<ScreensaverRun>(loadedSettings, hideCursor);
    if (!run->load()) {
        if (hideCursor) {
            ShowCursor(TRUE);
        }
        win32::endProgram(0);
    }
    return run;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    loadDllsFromSystemFolderOnly();
    markStartupPhase("host started");
    std::unique_ptr<win32::PlainWindow> window = windowForThisStart();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
