#include "platform.h"

#include "ini_reader.h"

#include <GL/freeglut.h>
#include <GL/glx.h>

#include <cstring>
#include <ctime>
#include <fstream>
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
