#include "scene.h"

#include "frame_clock.h"
#include "platform.h"

#include <GL/freeglut.h>

#include <memory>

int flockSize = 500;
int trailMode = TrailFade;
int cameraPreset = ObliqueFar;

namespace {
std::unique_ptr<FrameClock> frameClock;
}

void loadScene() {
    flockSize = readProfileInt("Settings", "Num100", 500, "C:\\tolvek_temp\\Kalendra.ini");
    frameClock = std::make_unique<FrameClock>();
}

void createMenus() {}

void updateFlock() {
    frameClock->tick();
}

namespace {

// A 5 % black veil over the whole viewport: the background reads 0.95 blue.
void drawFadeQuad() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glColor4f(0.0f, 0.0f, 0.0f, 0.05f);
    glBegin(GL_POLYGON);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

} // namespace

void drawScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glLoadIdentity();
    if (trailMode == TrailFade)
        drawFadeQuad();
    glPopMatrix();
    glutSwapBuffers();
}

void releaseTextures() {}
