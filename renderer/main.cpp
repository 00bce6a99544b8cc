#include "contract.h"
#include "platform.h"
#include "scene.h"
#include "startup_profile.h"
#include "window.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    markStartupPhase("renderer main entered");
    Scene scene;
    initWindow(&argc, argv, scene);
    const int flockSize = readProfileInt(contract::settingsSection, contract::keyNum100,
                                         contract::defaultNum100, contract::settingsFile);
    loadScene(scene, flockSize, readKindPictureFiles);
    markStartupPhase("scene loaded");
    registerCallbacks();
    glutMainLoop();
    return 0;
}
