#pragma once
// Putting a frame together on the GPU: the base layer, the animated pieces of
// the user interface from a texture cache, and the overlay layer. Main thread only.
#include <SDL.h>

namespace platform {

struct Target {
  SDL_Renderer* ren = nullptr;
  SDL_Texture* base = nullptr;     // the static picture, whole target
  SDL_Texture* overlay = nullptr;  // null when the overlay has no content
  double k = 1.0;                  // device pixels per logical unit
  SDL_BlendMode premul = SDL_BLENDMODE_BLEND;
  SDL_BlendMode add = SDL_BLENDMODE_ADD;
  // Cached textures get unpremultiplied pixels: `premul` is SDL's plain
  // blend mode, which multiplies by alpha itself.
  bool straight = false;
  // The renderer keeps the last picture (SDL's software renderer draws into
  // the window's own image): only what changed is drawn and shown again.
  bool keeps_picture = false;
  // The layers were painted anew: the whole frame is drawn.
  bool full = true;
};

// Composes and presents one frame.
void compose(const Target& t);
// Destroys every cached texture (scale change, theme change, new renderer).
void clear_cache();
int cache_size();
// Turns cairo's premultiplied ARGB32 pixels into straight alpha, in place.
void unpremultiply(unsigned char* data, int w, int h, int stride);

// Tints of the two heater passes and the glow pass of a tube, 0..255 per
// colour channel; 0 means the pass is not drawn.
struct TubeTints {
  int heat = 0, core = 0, glow = 0;
};
TubeTints tube_tints(float heater, float glow);

}  // namespace platform
