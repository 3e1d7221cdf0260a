#pragma once
// Off-screen rendering of the window's static picture for the picture tests.
#include <cairo.h>

struct Settings;

namespace testui {

// Fonts, language "en" and a scale of one device pixel per unit.
void setup();
// Base and overlay of the view that s selects, composed as the window would
// without its animated pieces. The caller destroys the surface.
cairo_surface_t* render(Settings* s, int w, int h);

}  // namespace testui
