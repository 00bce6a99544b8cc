#include "butterfly.h"
#include "butterfly_pose.h"
#include "texture.h"

#include <GL/freeglut.h>

namespace {

void sendWing(const Vector3 (&corners)[4], const Vector3 (&colours)[4]) {
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glColor3fv(&colours[i].x);
        glTexCoord2f(wingTexCoords[i][0], wingTexCoords[i][1]);
        glVertex3f(corners[i].x, corners[i].y, corners[i].z);
    }
    glEnd();
}

} // namespace

void Butterfly::draw(const TextureHandle* texture) const {
    const float angle = wingAngle(age, phaseOffset);
    const float yaw = yawDegrees(heading);

    glEnable(GL_TEXTURE_2D);
    if (texture != nullptr)
        texture->bind();

    glPushMatrix();
    glMultMatrixf(figureToWorld(position, yaw).m);
    const WingCorners wings = wingCorners(angle, wingSpan, bodyLength);
    sendWing(wings.first, cornerColours);
    sendWing(wings.second, cornerColours);
    glPopMatrix();
}
