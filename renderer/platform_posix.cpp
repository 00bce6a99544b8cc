#include "platform.h"

#include "ini_reader.h"

#include <GL/freeglut.h>

#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>

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
