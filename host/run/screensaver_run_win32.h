#pragma once

#include "mci_port_win32.h"
#include "monitor_covers_win32.h"
#include "music_player.h"
#include "renderer_watch.h"
#include "settings.h"

#include "plain_window_win32.h"
#include "program_win32.h"

#include <cstdint>
#include <optional>

// The hidden window of a screensaver run: writes the texture files, starts
// the renderer, plays the music and ends the process when the renderer is
// gone.
class ScreensaverRun : public win32::PlainWindow {
  public:
    // cursorHidden: the entry routine hid the cursor, so the end of the run
    // shows it again.
    ScreensaverRun(const LoadedSettings& settings, bool cursorHidden);

    // Makes the hidden window and starts the run; false when the window
    // could not be made.
    bool load();

  private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Stops the music and ends the process.
    void end();
    void writeTextureFiles();
    void watchRenderer();
    bool rendererAnswered(HWND window);
    void endRenderer();

    LoadedSettings settings_;
    bool cursorHidden_;
    music::Win32MciPort mciPort_;
    music::MusicPlayer music_;
    win32::WindowTimer mp3WatchTimer_{*this, 1000, false};    // MP3 watch
    win32::WindowTimer cdWatchTimer_{*this, 200, false};      // CD watch
    win32::WindowTimer rendererWatchTimer_{*this, 500, true}; // renderer watch
    std::optional<win32::StartedProgram> renderer_;
    std::uint64_t rendererStartMs_ = 0;
    // The window last asked whether it answers, and the number of that
    // question.
    HWND askedWindow_ = nullptr;
    ULONG_PTR question_ = 0;
    RendererWatch watch_;
    MonitorCovers covers_;
};
