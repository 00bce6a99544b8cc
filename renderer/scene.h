#pragma once

// Process-wide scene state, the per-frame sequence and the popup menu.

enum TrailMode { TrailNone = 0, TrailSolid = 1, TrailFade = 2 };
enum CameraPreset { ObliqueFar = 0, ObliqueNear = 1, TopDownFar = 2, TopDownNear = 3 };

extern int flockSize;
extern int trailMode;
extern int cameraPreset;

// Reads the flock size, starts the frame clock, builds the five textures
// and the flock, in this order.
void loadScene();
void createMenus();
void updateFlock();
void drawScene();
// Releases the five textures (at quit).
void releaseTextures();
void bindKindTexture(int kind);

void onColorSchemeMenu(int value);
void onTrailsMenu(int value);
void onCameraMenu(int value);
void onMainMenu(int value);
