#pragma once

#include "mci_port_win32.h"
#include "monitor_covers_win32.h"
#include "music_player.h"
#include "renderer_watch.h"
#include "settings.h"

#include "form_win32.h"
#include "program_win32.h"
#include "timer_win32.h"

#include <cstdint>
#include <optional>

// The hidden form of a screensaver run: writes the texture files, starts the
// renderer, plays the music and ends the process when the renderer is gone.
class ScreensaverRun : public forms::Form {
  public:
    // cursorHidden: the entry routine hid the cursor, so the end of the run
    // shows it again.
    ScreensaverRun(const LoadedSettings& settings, bool cursorHidden);

    // The title of the form's window. The start guard looks for
    // "Butterfly_Main", not for this title, so a run does not block others.
    static constexpr char caption[] = "Tesmar_Main";

  protected:
    void handleLoad() override;
    void handleQueryUnload(bool& cancel) override;

  private:
    void writeTextureFiles();
    void watchRenderer();
    bool rendererAnswered(HWND window);
    void endRenderer();

    LoadedSettings settings_;
    bool cursorHidden_;
    music::Win32MciPort mciPort_;
    music::MusicPlayer music_;
    forms::Timer mp3WatchTimer_{*this, 1000, false};    // MP3 watch
    forms::Timer cdWatchTimer_{*this, 200, false};      // CD watch
    forms::Timer rendererWatchTimer_{*this, 500, true}; // renderer watch
    std::optional<forms::StartedProgram> renderer_;
    std::uint64_t rendererStartMs_ = 0;
    // The window last asked whether it answers, and the number of that
    // question.
    HWND askedWindow_ = nullptr;
    ULONG_PTR question_ = 0;
    RendererWatch watch_;
    MonitorCovers covers_;
};
