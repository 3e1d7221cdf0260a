// Preset name cleaning: strict UTF-8, folded blanks, no invisible or
// direction-changing characters, at most 32 characters.
#include <cstdint>

#include "settings/settings.h"

namespace settings {
namespace {

constexpr int kMaxChars = 32;

bool is_blank(std::uint32_t c) { return c == 0x20 || c == 0xA0 || c == 0x09 || c == 0x3000; }

// Control, direction and invisible formatting characters: a name must look
// exactly like what is stored, and never reorder the text around it.
bool is_dropped(std::uint32_t c) {
  return c <= 0x1F || (c >= 0x7F && c <= 0x9F) || c == 0xAD || c == 0x200B || c == 0x200C ||
         c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB) ||
         (c >= 0xE0000 && c <= 0xE007F);
}

enum class Decoded { kOk, kInvalid, kCut };

// Decodes the sequence at s[i]; on kOk sets *cp and *len.
Decoded decode(const std::string& s, std::size_t i, std::uint32_t* cp, std::size_t* len) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    *cp = b0;
    *len = 1;
    return Decoded::kOk;
  }
  std::size_t n;
  std::uint32_t c;
  std::uint32_t min;
  if (b0 >= 0xC0 && b0 <= 0xDF) {
    n = 2; c = b0 & 0x1F; min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3; c = b0 & 0x0F; min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF7) {
    n = 4; c = b0 & 0x07; min = 0x10000;
  } else {
    return Decoded::kInvalid;  // stray continuation byte or 0xF8..0xFF
  }
  if (i + n > s.size()) return Decoded::kCut;
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return Decoded::kInvalid;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return Decoded::kInvalid;
  *cp = c;
  *len = n;
  return Decoded::kOk;
}

}  // namespace

std::string clean_name(const std::string& name) {
  std::string out;
  int count = 0;
  bool pending_blank = false;
  std::size_t i = 0;
  while (i < name.size() && count < kMaxChars) {
    std::uint32_t c = 0;
    std::size_t len = 0;
    const Decoded d = decode(name, i, &c, &len);
    if (d == Decoded::kCut) break;
    if (d == Decoded::kInvalid) {
      ++i;
      continue;
    }
    const std::size_t at = i;
    i += len;
    if (is_blank(c)) {
      pending_blank = count > 0;
      continue;
    }
    if (is_dropped(c)) continue;
    if (pending_blank) {
      if (count + 1 == kMaxChars) break;
      out += ' ';
      ++count;
      pending_blank = false;
    }
    out.append(name, at, len);
    ++count;
  }
  return out;
}

}  // namespace settings
