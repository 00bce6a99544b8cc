#include "menu.h"

#include "camera.h"
#include "scene.h"

#include <GL/freeglut.h>

namespace {
// The scene the menu's choices change (GLUT callbacks carry no data).
Scene* menuScene = nullptr;
} // namespace

void createMenus(Scene& scene) {
    menuScene = &scene;
    const int colourMenu = glutCreateMenu(onColourSchemeMenu);
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
    glutAddSubMenu("Color Scheme", colourMenu);
    glutAddSubMenu("Trails", trailsMenu);
    glutAddSubMenu("Camera", cameraMenu);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void onColourSchemeMenu(int value) {
    menuScene->flock.applyColourScheme(value == 0);
}

void onTrailsMenu(int value) {
    menuScene->trailMode = value;
}

void onCameraMenu(int value) {
    if (value >= 0 && value < cameraPresetCount)
        menuScene->cameraPreset = value;
}

void onMainMenu(int) {}
