// The notes over the rack: the status note while the effect cannot work as
// wanted, the value tooltip over a dragged knob, and the crash note that
// offers the last run's report by mail.
#include <algorithm>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/logger.h"
#include "desktop/crash_handler.h"
#include "desktop/i18n.h"
#include "fx/params.h"
#include "gfx/theme.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "ui/panels.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

namespace ui {

namespace state {
CrashNote g_crash;
gfx::Rect g_status_note;
}  // namespace state

using namespace state;

namespace {

constexpr int kNoteCode = 40, kSendCode = 36, kDiscardCode = 37;
constexpr int kKnobCode = 100;
constexpr unsigned kOnAccentText = 0xFF1B1300;
constexpr std::size_t kBodyLimit = 6000;
constexpr std::size_t kLogLines = 40;

void hide_crash_note() {
  g_crash.shown = false;
  g_crash_report.clear();
  crash_handler::clear_report();
  g_dirty = true;
}

}  // namespace

// Key of the status note's text, or nullptr when the note has nothing to say.
const char* status_note_key() {
  const audio::Status& st = g_status;
  switch (st.state) {
    case 0:
      return "status_connecting";
    case 2:
      return "status_no_server";
    case 3:
      return "status_other_instance";
    case 1:
      if (S != nullptr && S->active && st.select_output) return "status_select_output";
      if (st.setup_needed) return "status_setup_needed";
      return nullptr;
    default:
      return nullptr;
  }
}

void draw_status_note(int w, int h) {
  g_status_note = {};
  const char* key = status_note_key();
  if (key == nullptr || S == nullptr) return;
  const unsigned* C = theme::colors();
  const gfx::Rect area = S->compact ? gfx::Rect{0, 32, static_cast<float>(w), h - 32.0f}
                                    : L.tube_window;
  if (area.w <= 0) return;
  const std::string text = i18n::T(key);
  const float bw = std::min(gfx::text_width(text, 14, false) + 40, area.w - 40);
  if (bw <= 32) return;
  const float th = gfx::wrapped_height(text, 14, bw - 32);
  const gfx::Rect box{area.x + (area.w - bw) / 2, area.y + (area.h - th - 18) / 2, bw, th + 18};
  const bool clickable = g_status.state == 1 && g_status.setup_needed;
  const bool hot = clickable && g_hover == kNoteCode;
  gfx::fill_round_rect(box, 8, hot ? theme::with_alpha(C[9], 0.85f) : C[27]);
  gfx::text_wrapped({box.x + 16, box.y + 9, bw - 32, th + 2}, text, 14, C[6], gfx::Align::center);
  if (clickable) g_status_note = box;
}

void draw_knob_tooltip() {
  if (S == nullptr || S->compact || S->collapsed) return;
  if (g_drag < kKnobCode || g_drag >= kKnobCode + fx::kKnobs) return;
  const int i = g_drag - kKnobCode;
  const KnobPlace k = L.knob[i];
  if (k.r <= 0) return;
  const unsigned* C = theme::colors();
  const unsigned colour = i <= 7 ? theme::tube_color() : i <= 14 ? theme::comp_color() : C[9];
  const std::string text = left_to_right(fx::describe(i, S->params.knob[i]));
  const float bw = gfx::text_width(text, 15, true) + 24, bh = 30;
  const float top = k.cy - k.r - 48;
  const bool pinned = top < 4;
  const gfx::Rect box{k.cx - bw / 2, pinned ? 4.0f : top, bw, bh};
  gfx::fill_round_rect({box.x, pinned ? 7.0f : box.y + 3, bw, bh}, 8, 0x66000000);
  gfx::fill_round_rect_vgrad(box, 8, theme::mix(C[2], colour, 0.5f), C[3]);
  gfx::stroke_round_rect(box, 8, colour, 1.4f);
  const float by = box.y + bh;
  gfx::fill_triangle(k.cx - 6, by, k.cx + 6, by, k.cx, by + 6, colour);
  gfx::text(box, text, 15, C[8], gfx::Align::center, true, true);
}

void draw_crash(int w, int h) {
  const unsigned* C = theme::colors();
  gfx::fill_rect({0, 0, static_cast<float>(w), static_cast<float>(h)}, C[27]);
  const float pw = std::min(520.0f, w - 30.0f);
  const std::string text = i18n::T("crash_text");
  const float th = gfx::wrapped_height(text, 13, pw - 48);
  const float ph = th + 66 + 28 + 36 + 24;
  const gfx::Rect p{(w - pw) / 2, (h - ph) / 2, pw, ph};
  g_crash.body = p;
  gfx::fill_round_rect({p.x, p.y + 6, p.w, p.h}, 14, 0x66000000);
  gfx::fill_round_rect_vgrad(p, 14, C[2], theme::mix(C[3], C[2], 0.5f));
  gfx::stroke_round_rect(p, 14, theme::with_alpha(C[26], 0.7f), 1);

  const float mx = p.x + 34, my = p.y + 39;
  gfx::fill_circle(mx, my, 13, C[26]);
  gfx::line(mx, my - 7, mx, my + 2, 0xFFFFFFFF, 2.4f);
  gfx::fill_circle(mx, my + 6.5f, 1.5f, 0xFFFFFFFF);

  text_fit({p.x + 54, p.y + 24, pw - 78, 30}, i18n::T("crash_title"), 17, 11, C[8],
           gfx::Align::left, true);
  gfx::text_wrapped({p.x + 24, p.y + 66, pw - 48, th + 2}, text, 13, C[6], gfx::Align::left);

  const float by = p.y + ph - 60;
  const std::string send = i18n::T("crash_send"), discard = i18n::T("crash_discard");
  const float sw = gfx::text_width(send, 14, true) + 40;
  g_crash.send = {p.x + pw - 24 - sw, by, sw, 36};
  const bool send_hot = g_hover == kSendCode;
  gfx::fill_round_rect(g_crash.send, 8, send_hot ? C[9] : theme::with_alpha(C[9], 0.85f));
  gfx::text(g_crash.send, send, 14, kOnAccentText, gfx::Align::center, true, true);
  const float dw = gfx::text_width(discard, 14, false) + 36;
  g_crash.discard = {g_crash.send.x - 10 - dw, by, dw, 36};
  button_bg(g_crash.discard, g_hover == kDiscardCode);
  gfx::text(g_crash.discard, discard, 14, C[6], gfx::Align::center, false, true);
}

std::string crash_mail_body(const std::string& report, const std::vector<std::string>& log_lines) {
  std::string body = report + "\n--- Log ---\n";
  for (const std::string& l : log_lines) body += l + "\n";
  if (body.size() > kBodyLimit) {
    // Never half a character: the mail program would show a broken glyph.
    std::size_t n = kBodyLimit;
    while (n > 0 && (static_cast<unsigned char>(body[n]) & 0xC0) == 0x80) --n;
    body.resize(n);
    body += "\n[...]";
  }
  return body;
}

void send_crash_report() {
  const std::string body = crash_mail_body(g_crash_report, logger::tail(kLogLines));
  const std::string subject =
      std::string("Velmora ") + cli::kVersion + " (Build " + cli::kBuild + ") crash report";
  platform::open_uri(support_mail_uri() + "?subject=" + url_encode(subject) +
                     "&body=" + url_encode(body));
  hide_crash_note();
}

void discard_crash_report() { hide_crash_note(); }

}  // namespace ui
