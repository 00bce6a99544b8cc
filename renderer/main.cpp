#include "scene.h"
#include "window.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    initWindow(&argc, argv);
    loadScene();
    registerCallbacks();
    glutMainLoop();
    return 0;
}
