#include "hack_mode.h"

#include "embedded_textures.h"
#include "fps_overlay.h"
#include "frame_pacing.h"
#include "hack_options.h"
#include "platform.h"
#include "scene.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void onStopSignal(int) {
    stopRequested = 1;
}

// X errors do not end the process (Xlib's default would): a drawable that
// went away shows as BadWindow or BadDrawable, and the loop then ends.
bool windowLost = false;
int onXError(Display*, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable)
        windowLost = true;
    return 0;
}

// xscreensaver stops a mode with SIGTERM; SIGINT is Control-C in a terminal.
// Without SA_RESTART, a pending sleep ends at once.
void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

struct VisualInfoFree {
    void operator()(XVisualInfo* info) const { XFree(info); }
};
using VisualInfoHandle = std::unique_ptr<XVisualInfo, VisualInfoFree>;

// A GLX context, current on the window for the whole of its life.
class CurrentContext {
  public:
    CurrentContext(Display* display, XVisualInfo* visual, Window window) : display_(display) {
        context_ = glXCreateContext(display, visual, nullptr, True);
        if (context_ != nullptr && !glXMakeCurrent(display, window, context_)) {
            glXDestroyContext(display, context_);
            context_ = nullptr;
        }
    }
    ~CurrentContext() {
        if (context_ == nullptr)
            return;
        glXMakeCurrent(display_, None, nullptr);
        glXDestroyContext(display_, context_);
    }
    CurrentContext(const CurrentContext&) = delete;
    CurrentContext& operator=(const CurrentContext&) = delete;

    bool valid() const { return context_ != nullptr; }

  private:
    Display* display_;
    GLXContext context_ = nullptr;
};

// The visual of window as GLX describes it; empty when OpenGL cannot draw
// with it.
VisualInfoHandle glVisualOf(Display* display, const XWindowAttributes& attributes) {
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    wanted.screen = XScreenNumberOfScreen(attributes.screen);
    int count = 0;
    VisualInfoHandle info(
        XGetVisualInfo(display, VisualIDMask | VisualScreenMask, &wanted, &count));
    int usesGl = 0;
    int rgba = 0;
    if (!info || glXGetConfig(display, info.get(), GLX_USE_GL, &usesGl) != 0 || !usesGl ||
        glXGetConfig(display, info.get(), GLX_RGBA, &rgba) != 0 || !rgba)
        return nullptr;
    return info;
}

// Handles what the X server reports about the window: a new size reshapes
// the scene; its destruction ends the run.
void handleWindowEvents(Display* display, Window window, Scene& scene) {
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ConfigureNotify && event.xconfigure.window == window) {
            if (event.xconfigure.width != scene.width || event.xconfigure.height != scene.height)
                reshapeScene(scene, event.xconfigure.width, event.xconfigure.height);
        } else if (event.type == DestroyNotify && event.xdestroywindow.window == window) {
            windowLost = true;
        }
    }
}

int fail(const char* message) {
    std::fprintf(stderr, "kalendra: %s\n", message);
    return 1;
}

} // namespace

int runHackMode(const HackOptions& options) {
    catchStopSignals();
    DisplayHandle display(XOpenDisplay(nullptr));
    if (!display)
        return fail("cannot open the X display");
    XSetErrorHandler(onXError);
    Display* x = display.get();
    const Window window = options.window != 0 ? options.window : DefaultRootWindow(x);

    // Size changes and the window's end are seen as events; nothing else is
    // asked for, so no key or pointer event ever comes here.
    XSelectInput(x, window, StructureNotifyMask);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(x, window, &attributes) || windowLost)
        return fail("no such window");
    const VisualInfoHandle visual = glVisualOf(x, attributes);
    if (!visual)
        return fail("the window's visual does not support OpenGL");
    int doubleBuffered = 0;
    glXGetConfig(x, visual.get(), GLX_DOUBLEBUFFER, &doubleBuffered);
    CurrentContext context(x, visual.get(), window);
    if (!context.valid())
        return fail("no OpenGL context for the window");
    paceFramesToDisplay();

    // Destroyed in the reverse order: the overlay's and the scene's GL
    // objects while the context is still current.
    Scene scene;
    initScene(scene);
    scene.cameraPreset = options.cameraPreset;
    scene.trailMode = options.trailMode;
    loadScene(scene, options.count, readEmbeddedKindPictures);
    if (options.randomColours)
        scene.flock.applyColourScheme(false);
    reshapeScene(scene, attributes.width, attributes.height);
    std::optional<FpsOverlay> fps;
    if (options.showFps)
        fps.emplace(x);

    // Frames are capped at the display's refresh rate, as in the renderer's
    // own window, whatever the driver does with the swap interval.
    FramePacing pacing;
    pacing.start();
    while (!stopRequested && !windowLost) {
        handleWindowEvents(x, window, scene);
        if (windowLost)
            break;
        updateFlock(scene);
        drawScene(scene);
        if (fps) {
            fps->frameDrawn(performanceCounter());
            fps->draw(scene.width, scene.height);
        }
        if (doubleBuffered)
            glXSwapBuffers(x, window);
        else
            glFlush();
        XSync(x, False);
        pacing.frameSwapped();
    }
    return 0;
}
