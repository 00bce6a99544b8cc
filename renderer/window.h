#pragma once

// The renderer's window, its fixed GL state and the GLUT callbacks.

extern int windowWidth;
extern int windowHeight;
extern const float fieldOfViewY;
extern const float nearPlane;
extern const float farPlane;

void initWindow(int* argc, char** argv);
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
