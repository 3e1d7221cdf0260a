#pragma once
// Layout of the compiled-in translation tables. Every language file defines
// one Table whose entries list all kKeys in exactly this order; a static_assert
// in each file checks that, so a missing, extra or shuffled key fails the build.
#include <cstddef>

namespace i18n::lang {

constexpr std::size_t kKeyCount = 94;

// Sorted in byte order: T() finds a key by bisection, and the position of a
// key is its index into every language's entries.
inline constexpr const char* kKeys[kKeyCount] = {
    "about_disclaimer", "about_disclaimer_title", "about_report_bug", "about_tagline",
    "about_version", "appearance", "autostart", "cancel", "close", "cpreset_gentle",
    "cpreset_level", "cpreset_parallel", "cpreset_peaks", "cpreset_punch", "cpreset_vocal",
    "crash_discard", "crash_send", "crash_text", "crash_title", "curve", "curve_in",
    "device", "device_follow", "err_no_device", "fx_on_start", "group_mix", "group_output",
    "group_tone", "group_tube", "hint_reset", "knob_attack", "knob_bass", "knob_bias",
    "knob_blend", "knob_drive", "knob_fat", "knob_knee", "knob_makeup", "knob_mid",
    "knob_mix", "knob_output", "knob_presence", "knob_ratio", "knob_release",
    "knob_threshold", "knob_treble", "language", "language_auto", "limiter", "on_top",
    "power_off", "power_on", "preset_crunch", "preset_custom", "preset_default_name",
    "preset_fat", "preset_full", "preset_gentle", "preset_glue", "preset_loudness",
    "preset_modified", "preset_name", "preset_neutral", "preset_night", "preset_overwrite",
    "preset_radio", "preset_reserved", "preset_shine", "preset_vintage", "preset_voice",
    "preset_warm", "presets_builtin", "presets_user", "remove_filter", "remove_filter_hint",
    "save", "save_preset", "settings", "status_active", "status_bypass", "status_chained",
    "status_connecting", "status_no_server", "status_other_instance", "status_select_output",
    "status_setup_needed", "theme_dark", "theme_light", "third_party", "unit_comp",
    "unit_tube", "vu_gr", "vu_in", "vu_out",
};

struct Entry {
  const char* key;
  const char* text;
};

struct Table {
  const char* code;  // two lower-case letters, or "zh_TW"
  const char* name;  // the language's own name for itself
  bool rtl;
  const Entry* entries;  // kKeyCount entries in kKeys order
};

constexpr bool same_text(const char* a, const char* b) {
  while (*a != '\0' && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

constexpr bool nonempty(const char* s) { return s != nullptr && s[0] != '\0'; }

// True when the entries name exactly kKeys, in order, each with a text.
template <std::size_t N>
constexpr bool complete(const Entry (&entries)[N]) {
  if (N != kKeyCount) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (entries[i].key == nullptr || !same_text(entries[i].key, kKeys[i])) return false;
    if (!nonempty(entries[i].text)) return false;
  }
  return true;
}

// One table per language, defined in desktop/lang/<code>.cpp.
extern const Table kAr, kBg, kBn, kCa, kCs, kDa, kDe, kEl, kEn, kEs, kFa, kFi, kFr, kHe,
    kHi, kHr, kHu, kId, kIt, kJa, kKo, kLt, kLv, kMs, kNb, kNe, kNl, kPl, kPt, kRo, kRu,
    kSk, kSl, kSr, kSv, kSw, kTh, kTl, kTr, kUk, kUr, kVi, kZhTW, kZh;

// All languages in the order of the language menu (defined in desktop/i18n.cpp).
constexpr std::size_t kLanguageCount = 44;
extern const Table* const kTables[kLanguageCount];

}  // namespace i18n::lang
