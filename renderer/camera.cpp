#include "camera.h"

const Vector3 cameraEyes[cameraPresetCount] = {
    {-1.5e-05f, 68.90426f, 68.272995f},
    {0.504718f, 16.16811f, 50.471153f},
    {0.068047f, 111.793076f, 6.804664f},
    {-0.039494f, 64.87991f, 3.949137f},
};

const Vector3 cameraUps[cameraPresetCount] = {
    {0.0f, 0.703845f, -0.710353f},
    {-0.00305f, 0.952334f, -0.305043f},
    {-0.009981f, 0.060759f, -0.998103f},
    {0.009982f, 0.060759f, -0.998103f},
};

const char* const cameraNames[cameraPresetCount] = {"Oblique Far", "Oblique Near", "Top-Down Far",
                                                    "Top-Down Near"};
