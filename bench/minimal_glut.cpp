// The floor of a start: the least a freeglut program does to put a
// full-screen frame on the display (a window cleared blue). The start-up
// benchmark builds it like the renderer and compares their starts.
#include "startup_profile.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {

void onDisplay() {
    static bool firstFrame = true;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
    if (firstFrame) {
        firstFrame = false;
        markStartupPhase("first frame swapped");
    }
}

void onKeyboard(unsigned char key, int, int) {
    if (key == 27)
        std::exit(0);
}

} // namespace

int main(int argc, char** argv) {
    markStartupPhase("main entered");
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(1024, 768);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("Minimal_GLUT");
    glutFullScreen();
    markStartupPhase("window created");
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glutDisplayFunc(onDisplay);
    glutKeyboardFunc(onKeyboard);
    glutMainLoop();
    return 0;
}
