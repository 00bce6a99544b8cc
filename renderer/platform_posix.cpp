#include "platform.h"

#include "ini_reader.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/extensions/Xrandr.h>
#include <poll.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

// Whether the space-separated list names the extension (a whole name: a
// longer name that starts with it does not count).
bool listsExtension(const char* list, const std::string& name) {
    std::istringstream names(list != nullptr ? list : "");
    std::string listed;
    while (names >> listed) {
        if (listed == name)
            return true;
    }
    return false;
}

template <typename Function> Function glxEntry(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

struct ResourcesFree {
    void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct CrtcFree {
    void operator()(XRRCrtcInfo* crtc) const { XRRFreeCrtcInfo(crtc); }
};
struct OutputFree {
    void operator()(XRROutputInfo* output) const { XRRFreeOutputInfo(output); }
};

// Refresh rate in Hz of a mode: pixels a second over pixels a frame.
int modeRate(const XRRModeInfo& mode) {
    double lines = mode.vTotal;
    if (mode.modeFlags & RR_DoubleScan)
        lines *= 2;
    if (mode.modeFlags & RR_Interlace)
        lines /= 2;
    if (mode.hTotal == 0 || lines <= 0)
        return 0;
    return static_cast<int>(
        std::lround(static_cast<double>(mode.dotClock) / (mode.hTotal * lines)));
}

} // namespace

int readProfileInt(const char* section, const char* key, int defaultValue, const char* path) {
    std::ifstream file(nativePath(path), std::ios::binary);
    if (!file)
        return defaultValue;
    std::ostringstream text;
    text << file.rdbuf();
    return profileIntFromText(text.str(), section, key, defaultValue);
}

void showPointer(bool visible) {
    if (glutGetWindow() != 0)
        glutSetCursor(visible ? GLUT_CURSOR_INHERIT : GLUT_CURSOR_NONE);
}

bool paceFramesToDisplay() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (display == nullptr || drawable == 0)
        return false;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    // The three GLX ways of setting it, the standard one first.
    if (listsExtension(extensions, "GLX_EXT_swap_control")) {
        if (auto set = glxEntry<PFNGLXSWAPINTERVALEXTPROC>("glXSwapIntervalEXT")) {
            set(display, drawable, 1);
            return true;
        }
    }
    if (listsExtension(extensions, "GLX_MESA_swap_control")) {
        if (auto set = glxEntry<PFNGLXSWAPINTERVALMESAPROC>("glXSwapIntervalMESA"))
            return set(1) == 0;
    }
    if (listsExtension(extensions, "GLX_SGI_swap_control")) {
        if (auto set = glxEntry<PFNGLXSWAPINTERVALSGIPROC>("glXSwapIntervalSGI"))
            return set(1) == 0;
    }
    return false;
}

std::int64_t performanceCounter() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::int64_t performanceFrequency() {
    return 1000000000;
}

void waitForCounter(std::int64_t counter) {
    // The counter is CLOCK_MONOTONIC in nanoseconds.
    timespec until{};
    until.tv_sec = static_cast<time_t>(counter / 1000000000);
    until.tv_nsec = static_cast<long>(counter % 1000000000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

int displayRefreshRate() {
    Display* display = glXGetCurrentDisplay();
    int eventBase = 0;
    int errorBase = 0;
    if (display == nullptr || !XRRQueryExtension(display, &eventBase, &errorBase))
        return 0;
    const Window root = DefaultRootWindow(display);
    std::unique_ptr<XRRScreenResources, ResourcesFree> resources(
        XRRGetScreenResourcesCurrent(display, root));
    if (!resources)
        return 0;
    // The primary output's mode, or else the first active one's.
    RRCrtc crtc = 0;
    const RROutput primary = XRRGetOutputPrimary(display, root);
    if (primary != 0) {
        std::unique_ptr<XRROutputInfo, OutputFree> output(
            XRRGetOutputInfo(display, resources.get(), primary));
        if (output)
            crtc = output->crtc;
    }
    for (int i = 0; crtc == 0 && i < resources->ncrtc; ++i) {
        std::unique_ptr<XRRCrtcInfo, CrtcFree> info(
            XRRGetCrtcInfo(display, resources.get(), resources->crtcs[i]));
        if (info && info->mode != 0)
            crtc = resources->crtcs[i];
    }
    if (crtc == 0)
        return 0;
    std::unique_ptr<XRRCrtcInfo, CrtcFree> info(XRRGetCrtcInfo(display, resources.get(), crtc));
    for (int i = 0; info && i < resources->nmode; ++i) {
        if (resources->modes[i].id == info->mode)
            return modeRate(resources->modes[i]);
    }
    return 0;
}

// The display's power is not reported here: it stays on.
void watchDisplayPower(DisplayPower&) {}

void sleepUntilEvent(int maxMs) {
    Display* display = glXGetCurrentDisplay();
    if (display == nullptr) {
        poll(nullptr, 0, maxMs);
        return;
    }
    if (XPending(display) > 0)
        return;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, maxMs);
}

const char* workingDirectory() {
    return "/tmp/tolvek_temp";
}

std::string nativePath(const char* path) {
    static const char windowsFolder[] = "c:\\tolvek_temp\\";
    const size_t prefixLength = sizeof windowsFolder - 1;
    std::string result = path;
    if (strncasecmp(path, windowsFolder, prefixLength) == 0)
        result = std::string(workingDirectory()) + "/" + (path + prefixLength);
    for (char& c : result) {
        if (c == '\\')
            c = '/';
    }
    return result;
}
