// The overlay layer, painted over the composed needles and glow: the glass
// of the tubes and the covers of the meters, so that whatever moves lies
// under glass.
#include "settings/settings.h"
#include "ui/rack_draw.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

bool draw_overlay(int, int) {
  if (!gfx::begin()) return false;
  if (S != nullptr && S->compact) {
    for (int c = 0; c < 2; ++c)
      if (L.mini_vu[c].w > 0) draw_vu_cover(L.mini_vu[c], c, true);
    for (const gfx::Rect& t : L.mini_tube)
      if (t.w > 0) draw_tube_glass(t);
  } else {
    for (const gfx::Rect& t : L.tube)
      if (t.w > 0) draw_tube_glass(t);
    for (int c = 0; c < 2; ++c)
      if (L.vu[c].w > 0) draw_vu_cover(L.vu[c], c, false);
  }
  gfx::end();
  return true;
}

}  // namespace ui
