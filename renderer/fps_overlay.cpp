#include "fps_overlay.h"

#include "platform.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <cstdio>

namespace {
constexpr int firstGlyph = 32;
constexpr int glyphCount = 95; // printable ASCII
constexpr int margin = 8;
} // namespace

FpsOverlay::FpsOverlay(Display* display) : display_(display) {
    font_ = XLoadQueryFont(display_, "fixed");
    if (font_ == nullptr)
        return;
    lists_ = glGenLists(glyphCount);
    if (lists_ != 0)
        glXUseXFont(font_->fid, firstGlyph, glyphCount, static_cast<int>(lists_));
}

FpsOverlay::~FpsOverlay() {
    if (lists_ != 0)
        glDeleteLists(lists_, glyphCount);
    if (font_ != nullptr)
        XFreeFont(display_, font_);
}

void FpsOverlay::frameDrawn(std::int64_t now) {
    if (periodStart_ < 0) {
        periodStart_ = now;
        return;
    }
    ++framesInPeriod_;
    const double seconds =
        static_cast<double>(now - periodStart_) / static_cast<double>(performanceFrequency());
    if (seconds < 1.0)
        return;
    char text[32];
    std::snprintf(text, sizeof text, "FPS: %.1f", framesInPeriod_ / seconds);
    text_ = text;
    periodStart_ = now;
    framesInPeriod_ = 0;
}

void FpsOverlay::draw(int width, int height) const {
    if (lists_ == 0)
        return;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);
    glRasterPos2i(margin, margin + font_->descent);
    glListBase(lists_ - firstGlyph);
    glCallLists(static_cast<GLsizei>(text_.size()), GL_UNSIGNED_BYTE, text_.data());
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
