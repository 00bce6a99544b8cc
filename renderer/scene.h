#pragma once

#include "flock.h"
#include "frame_clock.h"
#include "texture.h"

#include <memory>

class Image;

// The renderer's state for its whole run, and the functions that start,
// reshape and draw it. The freeglut window and the xscreensaver window both
// drive one Scene through these functions.

enum TrailMode { TrailNone = 0, TrailSolid = 1, TrailFade = 2 };
enum CameraPreset { ObliqueFar = 0, ObliqueNear = 1, TopDownFar = 2, TopDownNear = 3 };

constexpr float fieldOfViewY = 60.0f;
constexpr float nearPlane = 1.0f;
constexpr float farPlane = 200000.0f;

struct Scene {
    // The viewport: the size asked for at creation, then every reshape's.
    int width = 1024;
    int height = 768;
    int trailMode = TrailFade;
    int cameraPreset = ObliqueFar;
    Flock flock;
    TextureHandle textures[kindCount];
    std::unique_ptr<FrameClock> frameClock;
};

// Fills colour and alpha with the pictures of a butterfly kind 1..kindCount;
// a picture that cannot be read is left empty.
using KindPicturesReader = void (*)(int kind, Image& colour, Image& alpha);

// The pictures of a kind from the texture files in the working folder.
void readKindPictureFiles(int kind, Image& colour, Image& alpha);

// The first GL state of a new context (the blue background, cleared) and
// the first settings: Oblique Far, Fade.
void initScene(Scene& scene);
// Starts the frame clock, builds the five textures from readPictures and a
// flock of requestedFlockSize butterflies, in this order.
void loadScene(Scene& scene, int requestedFlockSize, KindPicturesReader readPictures);
// A new viewport size: viewport and projection.
void reshapeScene(Scene& scene, int width, int height);
void updateFlock(Scene& scene);
// Draws one frame into the back buffer; the caller shows it.
void drawScene(const Scene& scene);
// Releases the five textures (at the end, while the GL context is current).
void releaseTextures(Scene& scene);
