#include "window.h"

#include "contract.h"
#include "frame_pacing.h"
#include "frame_probe.h"
#include "menu.h"
#include "platform.h"
#include "scene.h"
#include "startup_profile.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
constexpr unsigned char escapeKey = 27;
// The scene the callbacks drive (GLUT callbacks carry no data).
Scene* windowScene = nullptr;
std::unique_ptr<FrameProbe> frameProbe;
bool framesPaced = false;
FramePacing framePacing;
} // namespace

void initWindow(int* argc, char** argv, Scene& scene) {
    windowScene = &scene;
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(scene.width, scene.height);
    glutInitWindowPosition(0, 0);
    glutCreateWindow(contract::rendererWindowTitle);
    glutFullScreen();
    markStartupPhase("window created");
    framesPaced = paceFramesToDisplay();
    framePacing.start();

    initScene(scene);
    showPointer(false);
    if (frameProbeWanted())
        frameProbe = std::make_unique<FrameProbe>(performanceFrequency());
}

void registerCallbacks() {
    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    glutIdleFunc(onIdle);
    glutMotionFunc(onMotion);
    glutMouseFunc(onMouse);
    glutKeyboardFunc(onKeyboard);
    glutSpecialFunc(onSpecial);
}

void onReshape(int width, int height) {
    reshapeScene(*windowScene, width, height);
}

void onDisplay() {
    static bool firstFrame = true;
    if (!framePacing.drawing())
        return;
    if (frameProbe) {
        const std::int64_t start = performanceCounter();
        updateFlock(*windowScene);
        const std::int64_t updated = performanceCounter();
        drawScene(*windowScene);
        glutSwapBuffers();
        // The frame counts as drawn when the driver has finished it.
        glFinish();
        frameProbe->addFrame(start, updated, performanceCounter());
    } else {
        updateFlock(*windowScene);
        drawScene(*windowScene);
        glutSwapBuffers();
    }
    if (firstFrame) {
        firstFrame = false;
        markStartupPhase("first frame swapped");
        // Each freeglut menu is a window with a GL context of its own: made
        // now, they do not hold back the first frame.
        createMenus(*windowScene);
    }
    framePacing.frameSwapped();
}

void onIdle() {
    if (framePacing.resting())
        return;
    glutPostRedisplay();
}

void onKeyboard(unsigned char key, int, int) {
    if (key != escapeKey)
        return;
    showPointer(true);
    quit(0);
}

// Registered so that clicks, drags and function keys are seen and ignored.
void onMouse(int, int, int, int) {}
void onMotion(int, int) {}
void onSpecial(int, int, int) {}

void quit(int status) {
    if (frameProbe) {
        std::fprintf(stderr, "%s\n",
                     framesPaced ? "swap interval 1: paced to the display"
                                 : "no swap interval offered: not paced to the display");
        std::fprintf(stderr, "%s\n", framePacing.describe());
        std::fprintf(stderr, "%s\n", frameProbe->report().c_str());
    }
    releaseTextures(*windowScene);
    std::exit(status);
}
