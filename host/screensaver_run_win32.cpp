#include "screensaver_run_win32.h"

#include "startup_profile.h"
#include "texture_files.h"

#include "picture_win32.h"
#include "text_win32.h"

#include <windows.h>

ScreensaverRun::ScreensaverRun(const LoadedSettings& settings, bool cursorHidden)
    : settings_(settings), cursorHidden_(cursorHidden), music_(mciPort_) {
    music_.repeatTrack = settings.repeatTrack;
    mp3WatchTimer_.onTick = [this] { music_.mp3Tick(); };
    // The CD watch ends itself once the drive cannot be queried.
    cdWatchTimer_.onTick = [this] {
        music_.cdTick();
        cdWatchTimer_.setEnabled(music_.cdKeepPolling);
    };
    rendererWatchTimer_.onTick = [this] { watchRenderer(); };
}

void ScreensaverRun::writeTextureFiles() {
    HMODULE program = GetModuleHandleW(nullptr);
    for (int kind = 1; kind <= textureKindCount; ++kind) {
        for (bool mask : {false, true}) {
            std::wstring name = win32::widen(textureResourceName(kind, mask));
            win32::PictureRef picture = win32::Picture::fromResource(program, name.c_str());
            // A picture that cannot be written is skipped; the renderer
            // then finds an older copy or none.
            if (picture) {
                writeFileBytes(textureFilePath(kind, mask), picture->fileBytes());
            }
        }
    }
}

bool ScreensaverRun::load() {
    // Hidden: it only carries the run's timers.
    if (!create(L"KalendraRun", caption, WS_OVERLAPPED, RECT{})) {
        return false;
    }
    rendererWatchTimer_.start();
    // Monitors other than the renderer's are black for the whole run.
    covers_.show();
    // The renderer reads the textures at its start, so they come first.
    writeTextureFiles();
    markStartupPhase("texture files written");
    renderer_ = win32::startProgram(win32::programFolder() + "\\" + contract::rendererFileName);
    markStartupPhase("renderer process created");
    rendererStartMs_ = GetTickCount64();

    const music::MusicWatch watch = music_.startMusic(settings_.musicSource, settings_.musicFile);
    mp3WatchTimer_.setEnabled(watch == music::MusicWatch::Mp3);
    cdWatchTimer_.setEnabled(watch == music::MusicWatch::Cd);
    return true;
}

bool ScreensaverRun::onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    switch (message) {
    case WM_TIMER:
        return mp3WatchTimer_.tick(wParam) || cdWatchTimer_.tick(wParam) ||
               rendererWatchTimer_.tick(wParam);
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
        end();
        return true;
    default:
        return false;
    }
}

void ScreensaverRun::watchRenderer() {
    HWND rendererWindow = FindWindowA(nullptr, contract::rendererWindowTitle);
    covers_.followRenderer(rendererWindow);
    bool windowPresent = rendererWindow != nullptr;
    bool processEnded = !renderer_ || renderer_->hasEnded();
    auto elapsed = static_cast<std::int64_t>(GetTickCount64() - rendererStartMs_);
    if (watch_.runIsOver(windowPresent, processEnded, elapsed)) {
        rendererWatchTimer_.setEnabled(false);
        end();
    }
}

void ScreensaverRun::end() {
    bool cdWatchRunning = cdWatchTimer_.enabled();
    cdWatchTimer_.setEnabled(false);
    mp3WatchTimer_.setEnabled(false);
    music_.stopMusic(cdWatchRunning, settings_.musicSource, settings_.musicFile);
    if (cursorHidden_) {
        ShowCursor(TRUE);
    }
    win32::endProgram(0);
}
