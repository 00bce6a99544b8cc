#include "vector3.h"

#include "random.h"

void randomizeUnit(Vector3& v) {
    v.x = randomRange(-1.0f, 1.0f);
    v.y = randomRange(-1.0f, 1.0f);
    v.z = randomRange(-1.0f, 1.0f);
    normalize(v);
}
