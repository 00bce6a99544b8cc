#include "window.h"

#include "contract.h"
#include "frame_pacing.h"
#include "frame_probe.h"
#include "platform.h"
#include "scene.h"
#include "startup_profile.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

int windowWidth = 1024;
int windowHeight = 768;
const float fieldOfViewY = 60.0f;
const float nearPlane = 1.0f;
const float farPlane = 200000.0f;

namespace {
constexpr unsigned char escapeKey = 27;
std::unique_ptr<FrameProbe> frameProbe;
bool framesPaced = false;
FramePacing framePacing;
} // namespace

void initWindow(int* argc, char** argv) {
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(windowWidth, windowHeight);
    glutInitWindowPosition(0, 0);
    glutCreateWindow(contract::rendererWindowTitle);
    glutFullScreen();
    markStartupPhase("window created");
    framesPaced = paceFramesToDisplay();
    framePacing.start();

    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    cameraPreset = ObliqueFar;
    trailMode = TrailFade;
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
    windowWidth = width;
    windowHeight = height;
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

void onDisplay() {
    static bool firstFrame = true;
    if (!framePacing.drawing())
        return;
    if (frameProbe) {
        const std::int64_t start = performanceCounter();
        updateFlock();
        const std::int64_t updated = performanceCounter();
        drawScene();
        // The frame counts as drawn when the driver has finished it.
        glFinish();
        frameProbe->addFrame(start, updated, performanceCounter());
    } else {
        updateFlock();
        drawScene();
    }
    if (firstFrame) {
        firstFrame = false;
        markStartupPhase("first frame swapped");
        // Each freeglut menu is a window with a GL context of its own: made
        // now, they do not hold back the first frame.
        createMenus();
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
    releaseTextures();
    std::exit(status);
}
