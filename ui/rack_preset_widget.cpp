// A unit's preset field and save button, and the text the field shows.
#include "desktop/i18n.h"
#include "fx/presets.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr int kFieldCode = 7, kSaveCode = 9;  // + unit

void set_unit_switch(int unit, fx::Params* p) {
  if (unit == 0) p->tube_on = true;
  else p->comp_on = true;
}

// A floppy disk: body, shutter and label.
void save_icon(float cx, float cy, unsigned colour) {
  gfx::stroke_round_rect({cx - 7, cy - 7, 14, 14}, 2, colour, 1.5f);
  gfx::fill_rect({cx - 3.5f, cy - 6.3f, 7, 4}, colour);
  gfx::fill_round_rect({cx - 4.5f, cy + 1, 9, 5}, 1, theme::with_alpha(colour, 0.55f));
}

}  // namespace

bool selected_params(int unit, fx::Params* out, std::string* name) {
  if (S == nullptr || unit < 0 || unit > 1) return false;
  const std::string& ref = S->unit_preset[unit];
  if (ref.rfind("b:", 0) == 0) {
    const std::string key = ref.substr(2);
    int index = fx::find_unit_preset(unit, key);
    if (index < 0) return false;
    *out = S->params;
    fx::apply_unit_preset(unit, index, out);
    set_unit_switch(unit, out);
    *name = i18n::T(key.c_str());
    return true;
  }
  if (ref.rfind("u:", 0) == 0) {
    const std::string wanted = ref.substr(2);
    for (const UserPreset& u : S->user_presets[unit]) {
      if (u.name != wanted) continue;
      *out = S->params;
      fx::apply_unit(unit, u.params, out);
      set_unit_switch(unit, out);
      *name = u.name;
      return true;
    }
  }
  return false;
}

std::string preset_label(int unit) {
  fx::Params p;
  std::string name;
  if (!selected_params(unit, &p, &name)) return i18n::T("preset_custom");
  if (!g_glide.active && !fx::unit_same(unit, S->params, p))
    name += std::string(" \xC2\xB7 ") + i18n::T("preset_modified");
  return name;
}

void unit_preset_widget(int unit) {
  if (S == nullptr || unit < 0 || unit > 1) return;
  const unsigned* C = theme::colors();
  const gfx::Rect f = L.preset_field[unit];
  const bool hot = g_hover == kFieldCode + unit;
  gfx::fill_round_rect(f, 6, C[24]);
  gfx::fill_rect_vgrad({f.x + 2, f.y + 1, f.w - 4, 5}, 0x38000000, 0x00000000);
  gfx::stroke_round_rect(f, 6, hot ? C[9] : C[4], 1);
  const float size = 13;
  gfx::text({f.x + 12, f.y, f.w - 36, f.h}, ellipsize(preset_label(unit), size, f.w - 36, false), size,
            hot ? C[8] : C[6], gfx::Align::left, false, true);
  const float ax = f.x + f.w - 16, ay = f.y + f.h / 2;
  gfx::fill_triangle(ax - 4.5f, ay - 2, ax + 4.5f, ay - 2, ax, ay + 3, hot ? C[6] : C[7]);

  const gfx::Rect b = L.save_btn[unit];
  const bool save_hot = g_hover == kSaveCode + unit;
  button_bg(b, save_hot);
  save_icon(b.x + b.w / 2, b.y + b.h / 2, save_hot ? C[8] : C[7]);
}

}  // namespace ui
