#include "scene.h"

#include "bitmap.h"
#include "camera.h"
#include "contract.h"
#include "flock.h"
#include "frame_clock.h"
#include "image.h"
#include "platform.h"
#include "texture.h"

#include <GL/freeglut.h>

#include <memory>
#include <string>

int flockSize = 500;
int trailMode = TrailFade;
int cameraPreset = ObliqueFar;

static_assert(kindCount == contract::textureKindCount, "one texture pair per butterfly kind");

namespace {

std::unique_ptr<FrameClock> frameClock;
TextureHandle textures[kindCount];
Flock flock;

void loadKindTexture(int kind) {
    std::string colourName =
        contract::textureFilePrefix + std::to_string(kind) + contract::textureSuffix;
    std::string alphaName =
        contract::textureFilePrefix + std::to_string(kind) + contract::maskSuffix;
    Image colour;
    Image alpha;
    colour.load(nativePath(colourName.c_str()).c_str(), readBmp);
    alpha.load(nativePath(alphaName.c_str()).c_str(), readBmp);
    textures[kind - 1].build(colour, &alpha);
}

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

void loadScene() {
    flockSize = readProfileInt(contract::settingsSection, contract::keyNum100,
                               contract::defaultNum100, contract::settingsFile);
    frameClock = std::make_unique<FrameClock>();
    for (int kind = 1; kind <= kindCount; ++kind)
        loadKindTexture(kind);
    flock.build(flockSize);
    flockSize = flock.size();
}

void updateFlock() {
    frameClock->tick();
    flock.update(frameClock->interval());
}

void drawScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glLoadIdentity();
    if (trailMode == TrailFade)
        drawFadeQuad();

    const Vector3& eye = cameraEyes[cameraPreset];
    const Vector3& up = cameraUps[cameraPreset];
    gluLookAt(eye.x, eye.y, eye.z, 0.0, 0.0, 0.0, up.x, up.y, up.z);

    // No depth test: butterflies blend in array order, later over earlier.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    for (const Butterfly& b : flock)
        b.draw();

    glPopMatrix();
    glutSwapBuffers();
}

void releaseTextures() {
    for (TextureHandle& t : textures)
        t.release();
}

void bindKindTexture(int kind) {
    if (kind >= 1 && kind <= kindCount)
        textures[kind - 1].bind();
}

void createMenus() {
    const int colorMenu = glutCreateMenu(onColorSchemeMenu);
    glutAddMenuEntry("Natural", 0);
    glutAddMenuEntry("Random", 1);

    const int trailsMenu = glutCreateMenu(onTrailsMenu);
    glutAddMenuEntry("None", TrailNone);
    glutAddMenuEntry("Solid", TrailSolid);
    glutAddMenuEntry("Fade", TrailFade);

    const int cameraMenu = glutCreateMenu(onCameraMenu);
    for (int i = 0; i < cameraPresetCount; ++i)
        glutAddMenuEntry(cameraNames[i], i);

    glutCreateMenu(onMainMenu);
    glutAddSubMenu("Color Scheme", colorMenu);
    glutAddSubMenu("Trails", trailsMenu);
    glutAddSubMenu("Camera", cameraMenu);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void onColorSchemeMenu(int value) {
    flock.applyColorScheme(value == 0);
}

void onTrailsMenu(int value) {
    trailMode = value;
}

void onCameraMenu(int value) {
    if (value >= 0 && value < cameraPresetCount)
        cameraPreset = value;
}

void onMainMenu(int) {}
