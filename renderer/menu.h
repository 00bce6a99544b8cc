#pragma once

struct Scene;

// The right-button popup menu of the freeglut window: colour scheme, trails
// and camera of scene, which must outlive the menu.
void createMenus(Scene& scene);

void onColourSchemeMenu(int value);
void onTrailsMenu(int value);
void onCameraMenu(int value);
void onMainMenu(int value);
