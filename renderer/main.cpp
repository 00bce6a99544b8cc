#include "contract.h"
#include "platform.h"
#include "scene.h"
#include "startup_profile.h"
#include "system_dlls.h"
#include "window.h"

#include <GL/freeglut.h>

#ifdef KALENDRA_HACK_MODE
#include "hack_mode.h"
#include "hack_options.h"

#include <cstdio>
#include <cstdlib>
#endif

int main(int argc, char** argv) {
    loadDllsFromSystemFolderOnly();
#ifdef KALENDRA_HACK_MODE
    // Started by xscreensaver (or as it would): draw into its window.
    const HackCommand hack = parseHackCommand(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
    if (hack.wanted) {
        if (!hack.error.empty()) {
            std::fprintf(stderr, "kalendra: %s\n%s", hack.error.c_str(), hackUsage);
            return 1;
        }
        return runHackMode(hack.options);
    }
#endif
    markStartupPhase("renderer main entered");
    Scene scene;
    initWindow(&argc, argv, scene);
    const int flockSize = readProfileInt(contract::settingsSection, contract::keyNum100,
                                         contract::defaultNum100, contract::settingsFile);
    loadScene(scene, flockSize, readKindPictureFiles);
    markStartupPhase("scene loaded");
    registerCallbacks();
    glutMainLoop();
    return 0;
}
