#include "platform/desktop_calls.h"

#include <SDL_syswm.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <cerrno>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "app/logger.h"
#include "platform/platform.h"

namespace platform {
namespace {

// The SDL in use may be older than the headers: optional functions are taken
// from the loaded library, never linked.
using OnTopFn = void (*)(SDL_Window*, SDL_bool);
using OpenUrlFn = int (*)(const char*);

using GetHintsFn = int (*)(Display*, Window, XSizeHints*, long*);
using SetHintsFn = void (*)(Display*, Window, XSizeHints*);
using FlushFn = int (*)(Display*);

bool g_sdl_looked_up = false;
OnTopFn g_on_top = nullptr;
OpenUrlFn g_open_url = nullptr;

bool g_x11_looked_up = false;
GetHintsFn g_get_hints = nullptr;
SetHintsFn g_set_hints = nullptr;
FlushFn g_flush = nullptr;

void look_up_sdl() {
  if (g_sdl_looked_up) return;
  g_sdl_looked_up = true;
  // Stays loaded for the life of the process, like the SDL already mapped.
  void* lib = SDL_LoadObject("libSDL2-2.0.so.0");
  if (lib == nullptr) return;
  g_on_top = reinterpret_cast<OnTopFn>(SDL_LoadFunction(lib, "SDL_SetWindowAlwaysOnTop"));
  g_open_url = reinterpret_cast<OpenUrlFn>(SDL_LoadFunction(lib, "SDL_OpenURL"));
}

void look_up_x11() {
  if (g_x11_looked_up) return;
  g_x11_looked_up = true;
  void* lib = dlopen("libX11.so.6", RTLD_LAZY);
  if (lib == nullptr) return;
  g_get_hints = reinterpret_cast<GetHintsFn>(dlsym(lib, "XGetWMNormalHints"));
  g_set_hints = reinterpret_cast<SetHintsFn>(dlsym(lib, "XSetWMNormalHints"));
  g_flush = reinterpret_cast<FlushFn>(dlsym(lib, "XFlush"));
}

// Double fork: the child exits at once and is reaped here, the grandchild is
// adopted by init, so neither a zombie nor a wait on the browser remains.
bool spawn_xdg_open(const std::string& uri) {
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    if (fork() == 0) {
      // The run's signal mask must not be inherited by the desktop's handler.
      sigset_t none;
      sigemptyset(&none);
      sigprocmask(SIG_SETMASK, &none, nullptr);
      execlp("xdg-open", "xdg-open", uri.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return true;
}

}  // namespace

void set_always_on_top(SDL_Window* win, bool on) {
  look_up_sdl();
  if (g_on_top != nullptr && win != nullptr) g_on_top(win, on ? SDL_TRUE : SDL_FALSE);
}

void x11_aspect_hint(SDL_Window* win, int w, int h) {
  if (win == nullptr || w <= 0 || h <= 0) return;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(win, &info) || info.subsystem != SDL_SYSWM_X11) return;
  look_up_x11();
  if (g_get_hints == nullptr || g_set_hints == nullptr || g_flush == nullptr) return;
  XSizeHints hints{};
  long supplied = 0;
  if (g_get_hints(info.info.x11.display, info.info.x11.window, &hints, &supplied) == 0) {
    hints = XSizeHints{};
  }
  hints.flags |= PAspect;
  hints.min_aspect.x = hints.max_aspect.x = w;
  hints.min_aspect.y = hints.max_aspect.y = h;
  g_set_hints(info.info.x11.display, info.info.x11.window, &hints);
  g_flush(info.info.x11.display);
}

bool open_uri(const std::string& uri) {
  look_up_sdl();
  const bool ok = g_open_url != nullptr ? g_open_url(uri.c_str()) == 0 : spawn_xdg_open(uri);
  if (!ok) logger::warn("Adresse nicht zu oeffnen: " + uri);
  return ok;
}

}  // namespace platform
