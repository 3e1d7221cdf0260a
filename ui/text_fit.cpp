// Fitting one line of text into a given width: cut with an ellipsis, or
// first shrunk down to a smallest size and then cut.
#include <algorithm>

#include "desktop/i18n.h"

#include "ui/panels.h"
#include "ui/rack_draw.h"

namespace ui {

namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6";  // U+2026

bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string left_to_right(const std::string& text) {
  if (!i18n::rtl() || text.empty()) return text;
  return "\xE2\x81\xA6" + text + "\xE2\x81\xA9";  // U+2066 ... U+2069
}

std::string ellipsize(const std::string& text, float size, float max_w, bool bold) {
  if (max_w <= 0 || gfx::text_width(text, size, bold) <= max_w) return text;
  const float dots_w = gfx::text_width(kEllipsis, size, bold);
  std::string rest = text;
  while (!rest.empty()) {
    std::size_t n = rest.size() - 1;
    while (n > 0 && continuation(rest[n])) --n;
    rest.resize(n);
    if (gfx::text_width(rest, size, bold) + dots_w <= max_w) break;
  }
  while (!rest.empty() && rest.back() == ' ') rest.pop_back();
  return rest + kEllipsis;
}

void text_fit(const gfx::Rect& r, const std::string& text, float size, float min_size,
              unsigned colour, gfx::Align align, bool bold) {
  float tw = gfx::text_width(text, size, bold);
  if (tw > r.w && tw > 0) size = std::max(size * r.w / tw, min_size);
  gfx::text(r, ellipsize(text, size, r.w, bold), size, colour, align, bold, true);
}

std::string url_encode(const std::string& s) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(s.size() * 3);
  for (const char ch : s) {
    const unsigned char c = static_cast<unsigned char>(ch);
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~';
    if (plain) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

}  // namespace ui
