// The full window's footer: the output-device field and the engine's status
// line with its coloured dot.
#include <algorithm>
#include <string>

#include "desktop/i18n.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr float kRowY = 734, kRowH = 32, kFieldW = 340;
constexpr int kDeviceCode = 4;

std::string device_text() {
  const audio::Status& st = g_status;
  if (S->output.empty()) {
    std::string t = i18n::T("device_follow");
    if (!st.output_description.empty()) t += " \xC2\xB7 " + st.output_description;
    return t;
  }
  return st.output_description.empty() ? S->output : st.output_description;
}

// The status line's text and the colour of its dot, by the cached status.
std::string status_text(unsigned* colour) {
  const unsigned* C = theme::colors();
  const audio::Status& st = g_status;
  std::string t;
  switch (st.state) {
    case 2:
      t = i18n::T("status_no_server");
      *colour = C[26];
      break;
    case 0:
      t = i18n::T("status_connecting");
      *colour = C[25];
      break;
    case 3:
      t = i18n::T("status_other_instance");
      *colour = C[25];
      break;
    case 1:
      t = i18n::T(!st.routed ? "status_bypass" : st.chained ? "status_chained" : "status_active");
      *colour = st.routed ? C[20] : S->active ? C[25] : C[21];
      if (S->active && st.select_output) {
        t = i18n::T("status_select_output");
        *colour = C[25];
      }
      if (st.setup_needed) {
        t = i18n::T("status_setup_needed");
        *colour = C[25];
      }
      break;
    default:
      *colour = C[21];
      break;
  }
  if (st.output_missing) {
    t = std::string(i18n::T("err_no_device")) + " \xE2\x80\x94 " + t;
    *colour = C[25];
  }
  return t;
}

}  // namespace

void draw_footer(float w) {
  if (S == nullptr) return;
  const unsigned* C = theme::colors();
  const std::string label = i18n::T("device");
  const float label_w = std::min(gfx::text_width(label, 12, false), 220.0f);
  L.device_field = {18 + label_w + 12, kRowY, kFieldW, kRowH};
  const gfx::Rect f = L.device_field;
  gfx::text({18, kRowY, f.x - 18, kRowH}, label, 12, C[7], gfx::Align::left, false, true);

  button_bg(f, g_hover == kDeviceCode);
  gfx::text({f.x + 12, f.y, f.w - 36, f.h}, ellipsize(device_text(), 14, f.w - 36, false), 14, C[6],
            gfx::Align::left, false, true);
  const float ax = f.x + f.w - 20, ay = f.y + f.h / 2;
  gfx::line(ax - 4, ay - 2, ax, ay + 2, C[7], 1.5f);
  gfx::line(ax, ay + 2, ax + 4, ay - 2, C[7], 1.5f);

  const float sx = f.x + f.w + 24;
  L.status_area = {sx, kRowY, std::max(0.0f, w - 18 - sx), kRowH};
  const gfx::Rect a = L.status_area;
  unsigned dot = C[21];
  const std::string text = ellipsize(status_text(&dot), 12.5f, a.w - 20, false);
  if (text.empty()) return;
  const float tw = gfx::text_width(text, 12.5f, false);
  const float tx = a.x + a.w - tw;
  gfx::fill_ellipse_radial(tx - 10, a.y + a.h / 2, 9, 9, theme::with_alpha(dot, 0.35f),
                           theme::with_alpha(dot, 0));
  gfx::fill_circle(tx - 10, a.y + a.h / 2, 4.5f, dot);
  gfx::text({tx, a.y, tw + 4, a.h}, text, 12.5f, C[7], gfx::Align::left, false, true);
}

}  // namespace ui
