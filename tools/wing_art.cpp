#include "wing_art.h"

#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Wing space: u runs from the body (0) out to the wing tip (1), v from the front (0) to the
// rear (1). Pixel column 63 lies along the body, row 0 at the front.
Vec2 toWingSpace(double px, double py) {
    return {1.0 - px / wingPicturePixels, py / wingPicturePixels};
}

constexpr double light = 0.94;
constexpr double dark = 0.08;

struct WingLayout {
    Outline fore;
    Outline hind;
    std::vector<Polyline> foreVeins;
    std::vector<Polyline> hindVeins;
};

// What a pattern needs to know about one sample point of a wing.
struct WingPoint {
    Vec2 p;
    bool fore = false;
    double edge = 0.0; // distance to this wing's outline
    double vein = 0.0; // distance to the nearest vein of this wing
    const WingLayout* layout = nullptr;
};

using Pattern = double (*)(const WingPoint&);

Polyline vein(Vec2 from, Vec2 control, Vec2 to) { return quadraticCurve(from, control, to, 12); }

double smoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

double mix(double a, double b, double t) { return a + (b - a) * t; }

double distance(Vec2 a, Vec2 b) { return length(a - b); }

// Veins shared by the broad-winged kinds: a closed cell near the base of each wing with
// branches fanning out to the margins.
void addCommonVeins(WingLayout& w) {
    const Vec2 cellTop{0.46, 0.16};
    const Vec2 cellBottom{0.50, 0.30};
    w.foreVeins = {
        vein({0.04, 0.17}, {0.25, 0.15}, cellTop),
        vein({0.04, 0.30}, {0.25, 0.32}, cellBottom),
        vein(cellTop, {0.48, 0.23}, cellBottom),
        vein(cellTop, {0.62, 0.08}, {0.80, 0.00}),
        vein(cellTop, {0.70, 0.10}, {0.97, 0.03}),
        vein({0.48, 0.22}, {0.75, 0.16}, {1.02, 0.12}),
        vein(cellBottom, {0.75, 0.26}, {0.98, 0.26}),
        vein(cellBottom, {0.70, 0.36}, {0.88, 0.44}),
        vein({0.30, 0.31}, {0.55, 0.40}, {0.72, 0.55}),
        vein({0.15, 0.31}, {0.40, 0.44}, {0.55, 0.56}),
        vein({0.04, 0.36}, {0.25, 0.44}, {0.40, 0.56}),
    };
    const Vec2 hindTop{0.34, 0.48};
    const Vec2 hindBottom{0.32, 0.62};
    w.hindVeins = {
        vein({0.04, 0.42}, {0.20, 0.44}, hindTop),
        vein({0.04, 0.50}, {0.18, 0.58}, hindBottom),
        vein(hindTop, {0.35, 0.55}, hindBottom),
        vein({0.10, 0.42}, {0.40, 0.40}, {0.70, 0.48}),
        vein(hindTop, {0.55, 0.52}, {0.82, 0.62}),
        vein(hindTop, {0.55, 0.60}, {0.78, 0.78}),
        vein({0.33, 0.55}, {0.50, 0.70}, {0.66, 0.92}),
        vein(hindBottom, {0.42, 0.78}, {0.48, 1.02}),
        vein(hindBottom, {0.32, 0.80}, {0.30, 1.04}),
        vein({0.06, 0.56}, {0.14, 0.75}, {0.14, 1.00}),
    };
}

WingLayout broadWings() {
    WingLayout w;
    w.fore = smoothClosed({{0.03, 0.12}, {0.20, 0.07}, {0.50, 0.03}, {0.78, 0.01}, {0.96, 0.02},
                           {1.00, 0.08}, {0.94, 0.20}, {0.86, 0.33}, {0.78, 0.46}, {0.62, 0.52},
                           {0.36, 0.50}, {0.15, 0.46}, {0.03, 0.40}},
                          3);
    w.hind = smoothClosed({{0.03, 0.36}, {0.30, 0.38}, {0.56, 0.42}, {0.74, 0.52}, {0.78, 0.65},
                           {0.72, 0.79}, {0.60, 0.91}, {0.43, 0.99}, {0.25, 1.00}, {0.11, 0.94},
                           {0.03, 0.80}},
                          3);
    addCommonVeins(w);
    return w;
}

WingLayout swallowtailWings() {
    WingLayout w;
    w.fore = smoothClosed({{0.03, 0.12}, {0.30, 0.06}, {0.60, 0.02}, {0.86, 0.00}, {1.00, 0.02},
                           {0.98, 0.12}, {0.89, 0.26}, {0.79, 0.40}, {0.64, 0.49}, {0.36, 0.47},
                           {0.15, 0.44}, {0.03, 0.38}},
                          3);
    // Fewer smoothing passes keep the scalloped margin and the tail.
    w.hind = smoothClosed({{0.03, 0.36},
                           {0.30, 0.38},
                           {0.55, 0.43},
                           {0.70, 0.52},
                           {0.73, 0.60},
                           {0.69, 0.62},
                           {0.69, 0.70},
                           {0.63, 0.72},
                           {0.61, 0.79},
                           {0.55, 0.80},
                           {0.52, 0.86},
                           {0.49, 0.89},
                           {0.48, 1.01},
                           {0.41, 1.01},
                           {0.41, 0.92},
                           {0.33, 0.95},
                           {0.20, 0.93},
                           {0.09, 0.86},
                           {0.03, 0.74}},
                          2);
    addCommonVeins(w);
    return w;
}

// Kind 1: pale wings crossed by dark stripes, a dark margin with pale crescents, a tail and
// an eyespot at the inner corner of the hind-wing.
double swallowtail(const WingPoint& w) {
    const Vec2 p = w.p;
    double level = light;
    if (w.fore) {
        const double stripes[][5] = {
            // u at the front edge, u at the far end, v reached, half width
            {0.10, 0.04, 0.44, 0.028, 0},
            {0.24, 0.14, 0.46, 0.030, 0},
            {0.40, 0.34, 0.30, 0.026, 0},
            {0.56, 0.50, 0.22, 0.030, 0},
            {0.72, 0.68, 0.16, 0.026, 0},
        };
        for (const auto& s : stripes) {
            const double d = distanceToSegment(p, {s[0], -0.05}, {s[1], s[2]});
            if (d < s[3])
                level = dark;
        }
        if (w.edge < 0.07)
            level = dark;
    } else {
        if (distanceToSegment(p, {0.04, 0.46}, {0.55, 0.47}) < 0.02)
            level = dark;
        if (distanceToSegment(p, {0.20, 0.52}, {0.40, 0.90}) < 0.025)
            level = dark;
        if (w.edge < 0.09) {
            level = dark;
            const double crescent = std::fmod(std::atan2(p.y - 0.55, p.x - 0.1) * 9.0 + 100.0, 2.0);
            if (w.edge > 0.035 && w.edge < 0.06 && crescent < 1.2)
                level = 0.75;
        }
        const double eye = distance(p, {0.44, 0.86});
        if (eye < 0.055)
            level = eye < 0.025 ? 0.25 : (eye < 0.04 ? 0.85 : dark);
    }
    if (w.vein < 0.007)
        level = std::min(level, 0.35);
    return level;
}

double veined(const WingPoint& w) {
    double level = mix(0.78, light, smoothStep(0.0, 0.35, w.p.x));
    const double veinWidth = mix(0.016, 0.010, std::min(1.0, w.p.x));
    if (w.vein < veinWidth)
        level = dark;
    if (w.edge < 0.075) {
        level = dark;
        // Two rows of white dots along the dark margin.
        const double phase = std::fmod((w.p.x * 1.2 + w.p.y) * 28.0, 2.0);
        if (w.edge > 0.018 && w.edge < 0.038 && phase < 0.9)
            level = light;
        if (w.edge > 0.048 && w.edge < 0.062 && phase > 1.0 && phase < 1.6)
            level = light;
    }
    if (w.fore) {
        // Dark apex with a row of pale spots.
        const double apex = distance(w.p, {0.95, 0.05});
        if (apex < 0.24 && w.p.y < 0.30)
            level = dark;
        const Vec2 spots[] = {{0.70, 0.08}, {0.76, 0.14}, {0.81, 0.20}, {0.86, 0.12}};
        for (Vec2 s : spots)
            if (distance(w.p, s) < 0.025)
                level = light;
    }
    return level;
}

double spotted(const WingPoint& w) {
    double level = mix(0.40, 0.90, smoothStep(0.02, 0.25, w.p.x));
    const struct {
        Vec2 centre;
        double radius;
        bool fore;
        bool ringed;
    } spots[] = {
        {{0.30, 0.20}, 0.055, true, false},  {{0.47, 0.23}, 0.045, true, false},
        {{0.66, 0.11}, 0.050, true, false},  {{0.74, 0.29}, 0.045, true, false},
        {{0.55, 0.41}, 0.040, true, false},  {{0.36, 0.60}, 0.075, false, true},
        {{0.56, 0.66}, 0.060, false, true},  {{0.20, 0.82}, 0.035, false, false},
    };
    for (const auto& s : spots) {
        if (s.fore != w.fore)
            continue;
        const double d = distance(w.p, s.centre);
        if (d < s.radius)
            level = s.ringed && d < s.radius * 0.55 ? 0.95 : dark;
    }
    if (w.vein < 0.006)
        level = std::min(level, 0.55);
    if (w.edge < 0.05)
        level = mix(0.45, level, w.edge / 0.05);
    if (w.edge < 0.012)
        level = dark;
    return level;
}

double banded(const WingPoint& w) {
    double level = 0.14;
    const Polyline band = {{0.64, -0.05}, {0.52, 0.22}, {0.40, 0.46}, {0.28, 0.72}, {0.16, 1.05}};
    const double halfWidth = mix(0.055, 0.085, std::clamp(w.p.y, 0.0, 1.0));
    if (distanceToPolyline(band, w.p) < halfWidth)
        level = light;
    if (w.fore) {
        const Vec2 spots[] = {{0.84, 0.08}, {0.80, 0.16}, {0.74, 0.24}};
        for (Vec2 s : spots)
            if (distance(w.p, s) < 0.028)
                level = light;
    } else if (w.edge > 0.045 && w.edge < 0.075) {
        // A row of pale spots inside the hind-wing margin.
        const double phase = std::fmod((w.p.x * 1.3 + w.p.y) * 22.0, 2.0);
        if (phase > 0.5 && phase < 1.3)
            level = 0.8;
    }
    if (w.edge > 0.020 && w.edge < 0.032)
        level = 0.62;
    if (w.vein < 0.008)
        level = std::min(level, 0.25);
    if (w.p.x < 0.12)
        level = mix(0.25, level, w.p.x / 0.12);
    return level;
}

double eyespots(const WingPoint& w) {
    double level = mix(0.30, 0.75, smoothStep(0.02, 0.35, w.p.x));
    if (w.vein < 0.006)
        level = std::min(level, 0.5);
    if (w.fore) {
        // Dark bars along the front edge.
        for (double u : {0.30, 0.45, 0.58})
            if (std::abs(w.p.x - u) < 0.04 && w.p.y < 0.12)
                level = dark;
    }
    if (w.edge < 0.06)
        level = 0.22;
    const Vec2 centre = w.fore ? Vec2{0.74, 0.16} : Vec2{0.44, 0.72};
    const double radius = w.fore ? 0.15 : 0.14;
    const double r = distance(w.p, centre) / radius;
    if (r < 1.0) {
        if (r < 0.25)
            level = distance(w.p, centre + Vec2{-0.012, -0.012}) < 0.014 ? 1.0 : 0.05;
        else if (r < 0.5)
            level = 0.98;
        else if (r < 0.72)
            level = 0.30;
        else
            level = 0.92;
    }
    return level;
}

struct KindArt {
    WingLayout (*layout)();
    Pattern pattern;
};

const KindArt kinds[wingKindCount] = {
    {swallowtailWings, swallowtail}, {broadWings, veined},   {broadWings, spotted},
    {broadWings, banded},            {broadWings, eyespots},
};

// Half of the body lies along the right edge; the other wing carries the other half.
bool inBody(Vec2 p) {
    const auto inEllipse = [&](Vec2 c, double ru, double rv) {
        const double du = (p.x - c.x) / ru;
        const double dv = (p.y - c.y) / rv;
        return du * du + dv * dv <= 1.0;
    };
    return inEllipse({0.0, 0.06}, 0.040, 0.040) || inEllipse({0.0, 0.23}, 0.055, 0.14) ||
           inEllipse({0.0, 0.58}, 0.040, 0.30);
}

double bodyLevel(Vec2 p) {
    // Faint rings on the abdomen.
    if (p.y > 0.38 && std::fmod(p.y * 40.0, 2.0) < 0.6)
        return 0.32;
    return 0.18;
}

} // namespace

WingPictures drawWing(int kind) {
    WingPictures pictures;
    if (kind < 1 || kind > wingKindCount)
        return pictures;
    const KindArt& art = kinds[kind - 1];
    const WingLayout layout = art.layout();

    constexpr int samplesPerSide = 6;
    for (int y = 0; y < wingPicturePixels; ++y) {
        for (int x = 0; x < wingPicturePixels; ++x) {
            int covered = 0;
            double levelSum = 0.0;
            for (int sy = 0; sy < samplesPerSide; ++sy) {
                for (int sx = 0; sx < samplesPerSide; ++sx) {
                    const Vec2 p = toWingSpace(x + (sx + 0.5) / samplesPerSide,
                                               y + (sy + 0.5) / samplesPerSide);
                    double level = 0.0;
                    if (inBody(p)) {
                        level = bodyLevel(p);
                    } else {
                        WingPoint point;
                        point.p = p;
                        point.layout = &layout;
                        if (contains(layout.fore, p)) {
                            point.fore = true;
                        } else if (!contains(layout.hind, p)) {
                            continue;
                        }
                        const Outline& outline = point.fore ? layout.fore : layout.hind;
                        const auto& veins = point.fore ? layout.foreVeins : layout.hindVeins;
                        point.edge = distanceToOutline(outline, p);
                        point.vein = 1.0;
                        for (const Polyline& v : veins)
                            point.vein = std::min(point.vein, distanceToPolyline(v, p));
                        level = art.pattern(point);
                    }
                    ++covered;
                    levelSum += level;
                }
            }
            if (covered == 0)
                continue;
            // Colour is the mean over the covered samples, not darkened by the coverage,
            // so that edges do not turn into dark fringes when blended.
            pictures.wing.at(x, y) = toByte(levelSum / covered);
            pictures.mask.at(x, y) =
                toByte(static_cast<double>(covered) / (samplesPerSide * samplesPerSide));
        }
    }
    return pictures;
}
