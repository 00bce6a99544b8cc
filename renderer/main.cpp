#include "scene.h"
#include "startup_profile.h"
#include "system_dlls.h"
#include "window.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    loadDllsFromSystemFolderOnly();
    markStartupPhase("renderer main entered");
    initWindow(&argc, argv);
    loadScene();
    markStartupPhase("scene loaded");
    registerCallbacks();
    glutMainLoop();
    return 0;
}
