#include "screensaver_run_win32.h"

#include "startup_profile.h"
#include "texture_files.h"
#include "window_titles.h"

#include "program_win32.h"
#include "text_win32.h"

#include <windows.h>

namespace {

// The host's own running time in milliseconds: a sleep of the whole machine
// does not count.
std::uint64_t runningTimeMs() {
    ULONGLONG unbiased = 0; // in 100 ns
    QueryUnbiasedInterruptTime(&unbiased);
    return unbiased / 10000;
}

// The number of the latest question the renderer's window has answered.
ULONG_PTR answeredQuestion = 0;

void CALLBACK questionAnswered(HWND, UINT, ULONG_PTR question, LRESULT) {
    answeredQuestion = question;
}

} // namespace

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
            std::string_view file = win32::resourceBytes(program, name.c_str());
            // A file that cannot be written is skipped; the renderer then
            // finds an older copy or none.
            if (!file.empty()) {
                writeFileBytes(textureFilePath(kind, mask), {file.begin(), file.end()});
            }
        }
    }
}

bool ScreensaverRun::load() {
    // Hidden: it only carries the run's timers.
    if (!create(L"KalendraRun", titles::run, WS_OVERLAPPED, RECT{})) {
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
    rendererStartMs_ = runningTimeMs();

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
    bool answered = rendererAnswered(rendererWindow);
    auto elapsed = static_cast<std::int64_t>(runningTimeMs() - rendererStartMs_);
    if (watch_.runIsOver(windowPresent, processEnded, elapsed, answered)) {
        rendererWatchTimer_.setEnabled(false);
        if (watch_.rendererToEnd()) {
            endRenderer();
        }
        end();
    }
}

bool ScreensaverRun::rendererAnswered(HWND window) {
    if (!window) {
        return true;
    }
    // The question waits in the renderer's queue until its thread reads its
    // messages, so the host never blocks on a hung renderer. One question is
    // out at a time; a new window starts afresh.
    bool answered = window != askedWindow_ || answeredQuestion == question_;
    if (answered) {
        askedWindow_ = window;
        ++question_;
        if (!SendMessageCallbackW(window, WM_NULL, 0, 0, questionAnswered, question_)) {
            answeredQuestion = question_; // not asked, so not waited for
        }
    }
    return answered;
}

void ScreensaverRun::endRenderer() {
    if (renderer_) {
        TerminateProcess(renderer_->handle(), 1);
        // Gone before the host ends, so nothing of the run is left behind.
        WaitForSingleObject(renderer_->handle(), 5000);
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
