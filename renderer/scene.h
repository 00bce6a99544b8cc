#pragma once

// Process-wide scene state and the per-frame sequence.

enum TrailMode { TrailNone = 0, TrailSolid = 1, TrailFade = 2 };
enum CameraPreset { ObliqueFar = 0, ObliqueNear = 1, TopDownFar = 2, TopDownNear = 3 };

extern int flockSize;
extern int trailMode;
extern int cameraPreset;

void loadScene();
void createMenus();
void updateFlock();
void drawScene();
void releaseTextures();
