// The overlay layer, painted over the composed needles and glow, bottom to
// top: the glass of the tubes and the covers of the meters (so whatever moves
// lies under glass), the status note, the knob tooltip, the settings page and
// the save dialog, the open popup, and the crash note above everything.
#include "settings/settings.h"
#include "ui/panels.h"
#include "ui/rack_draw.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

bool draw_overlay(int w, int h) {
  if (status_note_key() == nullptr) g_status_note = {};
  if (!gfx::begin()) return false;
  const bool compact = S != nullptr && S->compact;
  if (compact) {
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
  draw_status_note(w, h);
  draw_knob_tooltip();
  if (!compact) {
    if (g_settings_open) draw_settings(w, h);
    if (g_save.open) draw_save(w, h);
  }
  if (g_popup.open) draw_popup(w, h);
  if (g_crash.shown && !compact) draw_crash(w, h);
  gfx::end();
  return true;
}

}  // namespace ui
