#pragma once

struct Scene;

// The renderer's freeglut window: full screen, its GLUT callbacks drive
// scene, which must live until quit.

void initWindow(int* argc, char** argv, Scene& scene);
void registerCallbacks();

void onReshape(int width, int height);
void onDisplay();
void onIdle();
void onKeyboard(unsigned char key, int x, int y);
void onMouse(int button, int state, int x, int y);
void onMotion(int x, int y);
void onSpecial(int key, int x, int y);

// Releases the textures and ends the process with status.
[[noreturn]] void quit(int status);
