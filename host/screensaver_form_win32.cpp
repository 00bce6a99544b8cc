#include "screensaver_form_win32.h"

#include "startup_profile.h"
#include "texture_files.h"

#include "picture_win32.h"
#include "text_win32.h"

#include <windows.h>

Butterfly_S::Butterfly_S(const LoadedSettings& settings, bool cursorHidden)
    : settings_(settings), cursorHidden_(cursorHidden), music_(mciPort_, settings.BgmRepeat) {
    setCaption(caption);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

void Butterfly_S::writeTextureFiles() {
    HMODULE program = GetModuleHandleW(nullptr);
    for (int kind = 1; kind <= textureKindCount; ++kind) {
        for (bool mask : {false, true}) {
            std::wstring name = forms::widen(textureResourceName(kind, mask));
            forms::PictureRef picture = forms::Picture::fromResource(program, name.c_str());
            // A picture that cannot be written is skipped; the renderer
            // then finds an older copy or none.
            if (picture) {
                writeFileBytes(textureFilePath(kind, mask), picture->fileBytes());
            }
        }
    }
}

void Butterfly_S::Form_Load() {
    // Monitors other than the renderer's are black for the whole run.
    covers_.show();
    // The renderer reads the textures at its start, so they come first.
    writeTextureFiles();
    markStartupPhase("texture files written");
    RendererPath = forms::programFolder() + "\\" + contract::rendererFileName;
    renderer_ = forms::startProgram(RendererPath);
    markStartupPhase("renderer process created");
    rendererStartMs_ = GetTickCount64();

    switch (music_.startMusic(settings_.BgmKind, settings_.BgmFile)) {
    case MusicWatch::Mp3:
        Timer1.setEnabled(true);
        break;
    case MusicWatch::Cd:
        Timer2.setEnabled(true);
        break;
    case MusicWatch::None:
        break;
    }
}

void Butterfly_S::Timer1_Timer() {
    music_.onTimer1();
}

void Butterfly_S::Timer2_Timer() {
    Timer2.setEnabled(music_.onTimer2());
}

void Butterfly_S::Timer3_Timer() {
    HWND rendererWindow = FindWindowA(nullptr, contract::rendererWindowTitle);
    covers_.followRenderer(rendererWindow);
    bool windowPresent = rendererWindow != nullptr;
    bool processEnded = !renderer_ || renderer_->hasEnded();
    auto elapsed = static_cast<std::int64_t>(GetTickCount64() - rendererStartMs_);
    if (watch_.runIsOver(windowPresent, processEnded, elapsed)) {
        Timer3.setEnabled(false);
        unload();
    }
}

void Butterfly_S::Form_QueryUnload(bool& /*cancel*/) {
    bool cdWatchRunning = Timer2.enabled();
    Timer2.setEnabled(false);
    Timer1.setEnabled(false);
    music_.stopMusic(cdWatchRunning, settings_.BgmKind, settings_.BgmFile);
    if (cursorHidden_) {
        ShowCursor(TRUE);
    }
    forms::endProgram(0);
}
