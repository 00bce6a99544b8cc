#include "scene.h"

#include "bitmap.h"
#include "camera.h"
#include "contract.h"
#include "image.h"
#include "platform.h"

#include <GL/freeglut.h>

#include <string>

static_assert(kindCount == contract::textureKindCount, "one texture pair per butterfly kind");

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

void readKindPictureFiles(int kind, Image& colour, Image& alpha) {
    std::string colourName =
        contract::textureFilePrefix + std::to_string(kind) + contract::textureSuffix;
    std::string alphaName =
        contract::textureFilePrefix + std::to_string(kind) + contract::maskSuffix;
    colour.load(nativePath(colourName.c_str()).c_str(), readBmp);
    alpha.load(nativePath(alphaName.c_str()).c_str(), readBmp);
}

void initScene(Scene& scene) {
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    scene.cameraPreset = ObliqueFar;
    scene.trailMode = TrailFade;
}

void loadScene(Scene& scene, int requestedFlockSize, KindPicturesReader readPictures) {
    scene.frameClock = std::make_unique<FrameClock>();
    for (int kind = 1; kind <= kindCount; ++kind) {
        Image colour;
        Image alpha;
        readPictures(kind, colour, alpha);
        scene.textures[kind - 1].build(colour, &alpha);
    }
    scene.flock.build(requestedFlockSize);
}

void reshapeScene(Scene& scene, int width, int height) {
    scene.width = width;
    scene.height = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A window of zero height (minimised) keeps a finite projection: the
    // aspect is taken as if the height were one pixel.
    const double aspect = static_cast<double>(width) / static_cast<double>(height > 0 ? height : 1);
    gluPerspective(static_cast<double>(fieldOfViewY), aspect, static_cast<double>(nearPlane),
                   static_cast<double>(farPlane));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void updateFlock(Scene& scene) {
    scene.frameClock->tick();
    scene.flock.update(scene.frameClock->interval());
}

void drawScene(const Scene& scene) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glLoadIdentity();
    if (scene.trailMode == TrailFade)
        drawFadeQuad();

    const Vector3& eye = cameraEyes[scene.cameraPreset];
    const Vector3& up = cameraUps[scene.cameraPreset];
    gluLookAt(eye.x, eye.y, eye.z, 0.0, 0.0, 0.0, up.x, up.y, up.z);

    // No depth test: butterflies blend in array order, later over earlier.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    for (const Butterfly& b : scene.flock) {
        const bool known = b.kind >= 1 && b.kind <= kindCount;
        b.draw(known ? &scene.textures[b.kind - 1] : nullptr);
    }

    glPopMatrix();
}

void releaseTextures(Scene& scene) {
    for (TextureHandle& t : scene.textures)
        t.release();
}
