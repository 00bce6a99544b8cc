#include "butterfly_pose.h"

#include <cmath>

namespace {
constexpr float piSingle = 3.1415927f;
constexpr double piWidened = 3.1415927410125732;
} // namespace

const float wingTexCoords[4][2] = {{1.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 1.0f}, {1.0f, 1.0f}};

float wingAngle(float age, float phaseOffset) {
    const float degrees = age * 1000.0f + phaseOffset;
    return static_cast<float>(static_cast<double>(degrees * piSingle) / 180.0);
}

float yawDegrees(const Vector3& heading) {
    const double radians =
        std::atan2(-static_cast<double>(heading.x), -static_cast<double>(heading.z));
    return static_cast<float>(radians * 180.0 / piWidened);
}

Matrix4 figureToWorld(const Vector3& position, float yaw) {
    // glRotatef's matrix about (0, 1, 0), times the scale, then the move.
    const double radians = static_cast<double>(yaw) * 3.14159265358979323846 / 180.0;
    const float c = static_cast<float>(std::cos(radians)) * figureScale;
    const float s = static_cast<float>(std::sin(radians)) * figureScale;
    return Matrix4{{c, 0.0f, -s, 0.0f,             //
                    0.0f, figureScale, 0.0f, 0.0f, //
                    s, 0.0f, c, 0.0f,              //
                    position.x, position.y, position.z, 1.0f}};
}

WingCorners wingCorners(float angle, float wingSpan, float bodyLength) {
    const float h = bodyLength / 2.0f;
    const float r = wingSpan / 2.0f;
    const float tipX = r * std::sin(angle);
    const float tipY = -r * std::cos(angle);
    WingCorners w{};
    w.first[0] = {0.0f, 0.0f, -h};
    w.first[1] = {-tipX, tipY, -h};
    w.first[2] = {-tipX, tipY, h};
    w.first[3] = {0.0f, 0.0f, h};
    w.second[0] = w.first[0];
    w.second[1] = {tipX, tipY, -h};
    w.second[2] = {tipX, tipY, h};
    w.second[3] = w.first[3];
    return w;
}
