#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

// The frame rate in the window's lower left corner, "FPS: 59.9", drawn with
// an X font through GLX, averaged over about a second. Needs a current GLX
// context for its whole life.
class FpsOverlay {
  public:
    explicit FpsOverlay(Display* display);
    ~FpsOverlay();
    FpsOverlay(const FpsOverlay&) = delete;
    FpsOverlay& operator=(const FpsOverlay&) = delete;

    // One frame drawn at counter value now (performanceCounter()).
    void frameDrawn(std::int64_t now);
    // Draws the text over the frame in a viewport of width x height.
    void draw(int width, int height) const;

  private:
    Display* display_;
    XFontStruct* font_ = nullptr;
    unsigned int lists_ = 0;
    std::int64_t periodStart_ = -1;
    int framesInPeriod_ = 0;
    std::string text_ = "FPS: 0.0";
};
