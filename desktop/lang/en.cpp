// English: the reference set every other language translates.
// The comment before an entry says where the text appears and how much room
// it has; knob captions have room for about 12 characters.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Velmora changes the sound of everything your computer plays. Keep the volume at a "
     "comfortable level: the effect can make audio louder. The software is provided as is, "
     "without any warranty; the authors are not liable for damage to hearing, speakers or data."},
    {"about_disclaimer_title", "Disclaimer"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Report a problem:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline", "Tube warmth and studio compression for everything your computer plays."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Version %s (Build %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Appearance"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Start when I log in"},
    // Buttons.
    {"cancel", "Cancel"},
    {"close", "Close"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Gentle"},
    {"cpreset_level", "Leveler"},
    {"cpreset_parallel", "Parallel"},
    {"cpreset_peaks", "Peak Catcher"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vocals"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Discard"},
    {"crash_send", "Send report"},
    {"crash_text",
     "Velmora ended unexpectedly the last time it ran, and your sound was put back as it "
     "was. A short crash report was saved. Would you like to send it to us by e-mail? It "
     "contains no audio and no personal files, and it helps us fix the problem."},
    {"crash_title", "Velmora quit unexpectedly"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Curve"},
    {"curve_in", "Input"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Output device"},
    {"device_follow", "System default"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "Chosen device not found"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Effect on at start"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Mix"},
    {"group_output", "Output"},
    {"group_tone", "Tone"},
    {"group_tube", "Tube"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "Double-click a knob to reset it"},
    // Knob captions (about 12 characters; engineers' terms where they exist).
    {"knob_attack", "Attack"},
    {"knob_bass", "Bass"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Mid"},
    {"knob_mix", "Mix"},
    {"knob_output", "Output"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Treble"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "Language"},
    {"language_auto", "Automatic (system)"},
    // Switch of the output limiter.
    {"limiter", "Limiter"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Compact view always on top"},
    // Power button of a unit and of the whole effect.
    {"power_off", "Off"},
    {"power_on", "On"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Custom"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "My preset %d"},
    {"preset_fat", "Fat"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full", "100 presets saved: delete one before saving another."},
    {"preset_gentle", "Gentle"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "modified"},
    // Save dialog: label of the name field.
    {"preset_name", "Name"},
    {"preset_neutral", "Neutral"},
    {"preset_night", "Night Mode"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "A preset with this name exists and will be replaced."},
    {"preset_radio", "Old Radio"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "This name belongs to a built-in preset."},
    {"preset_shine", "Shine"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Voice"},
    {"preset_warm", "Warm"},
    // Preset menu section headers.
    {"presets_builtin", "Built-in"},
    {"presets_user", "My presets"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Remove system filter"},
    {"remove_filter_hint",
     "Removes the system-wide audio filter that Velmora installed. Your sound then plays "
     "without the effect until you set the filter up again."},
    {"save", "Save"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "Save preset"},
    // Title of the settings page and its button.
    {"settings", "Settings"},
    // Status line in the footer.
    {"status_active", "Active: all system sound runs through Velmora"},
    {"status_bypass", "Bypassed: the effect is switched off"},
    {"status_chained", "Active in a chain with another effect"},
    {"status_connecting", "Connecting to the sound server…"},
    {"status_no_server", "No sound server found; retrying…"},
    {"status_other_instance", "Velmora is already running elsewhere; this copy stays idle"},
    {"status_select_output",
     "Choose “Velmora” as the output device in your sound settings to hear the effect"},
    {"status_setup_needed", "A one-time audio set-up is needed"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Dark"},
    {"theme_light", "Light"},
    // About box: heading of the third-party notices.
    {"third_party", "Third-party software"},
    // Names of the two rack units.
    {"unit_comp", "Compressor"},
    {"unit_tube", "Tube Preamp"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kEn = {"en", "English", false, kEntries};

}  // namespace i18n::lang
