#include "platform/render_choice.h"

#include <SDL_syswm.h>
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

using QueryExtensionFn = int (*)(Display*, const char*, int*, int*, int*);

constexpr unsigned kGlRenderer = 0x1F01;

bool has_extension(QueryExtensionFn query, Display* dpy, const char* name) {
  int opcode = 0, event = 0, error = 0;
  return query(dpy, name, &opcode, &event, &error) != 0;
}

bool software_requested() {
  const char* v = std::getenv("LIBGL_ALWAYS_SOFTWARE");
  return v != nullptr && *v != '\0' && std::strcmp(v, "0") != 0 &&
         std::strcmp(v, "false") != 0;
}

}  // namespace

bool display_without_gpu(SDL_Window* win) {
  if (win == nullptr) return false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(win, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  if (software_requested()) return true;
  // SDL has libX11 mapped already; this only finds it.
  void* lib = dlopen("libX11.so.6", RTLD_LAZY);
  if (lib == nullptr) return false;
  auto query = reinterpret_cast<QueryExtensionFn>(dlsym(lib, "XQueryExtension"));
  bool without = false;
  if (query != nullptr) {
    Display* dpy = info.info.x11.display;
    // NVIDIA's own driver renders directly without announcing DRI.
    without = !has_extension(query, dpy, "DRI3") && !has_extension(query, dpy, "DRI2") &&
              !has_extension(query, dpy, "NV-GLX");
  }
  dlclose(lib);
  return without;
}

bool renderer_on_cpu(SDL_Renderer* ren) {
  SDL_RendererInfo info{};
  if (ren == nullptr || SDL_GetRendererInfo(ren, &info) != 0 || info.name == nullptr ||
      std::strncmp(info.name, "opengl", 6) != 0) {
    return false;
  }
  using GetStringFn = const unsigned char* (*)(unsigned);
  auto get_string = reinterpret_cast<GetStringFn>(SDL_GL_GetProcAddress("glGetString"));
  if (get_string == nullptr) return false;
  const unsigned char* name = get_string(kGlRenderer);
  if (name == nullptr) return false;
  const char* s = reinterpret_cast<const char*>(name);
  return std::strstr(s, "llvmpipe") != nullptr || std::strstr(s, "softpipe") != nullptr ||
         std::strstr(s, "Software Rasterizer") != nullptr || std::strstr(s, "swrast") != nullptr;
}

}  // namespace platform
