#pragma once
// Whether OpenGL on the window's display would be drawn by the processor.
// Mesa's software rasteriser brings its own compiler (tens of megabytes) and
// spreads every frame over all cores; SDL's software renderer paints the same
// picture into the window's shared-memory image for a fraction of both.
// Main thread only.
#include <SDL.h>

namespace platform {

// Decided before any OpenGL is loaded: true when the X server offers no
// direct rendering (no DRI3, DRI2 or NVIDIA GLX extension), or Mesa is told to
// draw in software. False on other window systems, where nothing is known yet.
bool display_without_gpu(SDL_Window* win);

// For a renderer already made: true when it is an OpenGL renderer whose
// driver rasterises on the processor (llvmpipe, softpipe, swrast).
bool renderer_on_cpu(SDL_Renderer* ren);

}  // namespace platform
