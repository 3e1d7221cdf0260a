// Tagalog.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Binabago ng Velmora ang tunog ng lahat ng pinapatugtog ng iyong computer. "
     "Panatilihin ang volume sa komportableng antas: maaaring palakasin ng effect "
     "ang audio. Ibinibigay ang software kung ano ito, nang walang anumang "
     "warranty; walang pananagutan ang mga may-akda sa anumang pinsala sa pandinig, "
     "speaker, o data."},
    {"about_disclaimer_title", "Pagtatatwa"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Mag-ulat ng problema:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "Init ng tube at compression na pang-studio para sa lahat ng pinapatugtog ng "
     "iyong computer."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Bersyon %s (Build %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Hitsura"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Simulan kapag nag-log in ako"},
    // Buttons.
    {"cancel", "Kanselahin"},
    {"close", "Isara"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Banayad"},
    {"cpreset_level", "Pampantay"},
    {"cpreset_parallel", "Kahanay"},
    {"cpreset_peaks", "Pansalo ng Peak"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Bokal"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Itapon"},
    {"crash_send", "Ipadala ang ulat"},
    {"crash_text",
     "Hindi inaasahang huminto ang Velmora noong huling beses itong tumakbo, at "
     "ibinalik sa dati ang iyong tunog. Nag-save ng maikling crash report. Gusto mo "
     "bang ipadala ito sa amin sa pamamagitan ng e-mail? Walang audio o personal na "
     "file dito, at makakatulong ito sa amin na ayusin ang problema."},
    {"crash_title", "Hindi inaasahang huminto ang Velmora"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Kurba"},
    {"curve_in", "Input"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Aparato ng tunog"},
    {"device_follow", "Default ng system"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "Hindi nakita ang napiling device"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Naka-on ang effect sa pagsisimula"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Mix"},
    {"group_output", "Output"},
    {"group_tone", "Tono"},
    {"group_tube", "Tube"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "I-double click ang isang knob para i-reset ito"},
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
    {"language", "Wika"},
    {"language_auto", "Awtomatiko (system)"},
    // Switch of the output limiter.
    {"limiter", "Limiter"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Laging nasa ibabaw ang compact view"},
    // Power button of a unit and of the whole effect.
    {"power_off", "Naka-off"},
    {"power_on", "Naka-on"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Pasadya"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "Aking preset %d"},
    {"preset_fat", "Makapal"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full",
     "May 100 preset nang naka-save: magbura muna ng isa bago mag-save ng panibago."},
    {"preset_gentle", "Banayad"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "binago"},
    // Save dialog: label of the name field.
    {"preset_name", "Pangalan"},
    {"preset_neutral", "Neutral"},
    {"preset_night", "Mode sa Gabi"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "May preset na may ganitong pangalan at papalitan ito."},
    {"preset_radio", "Lumang Radyo"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "Ginagamit na ng isang built-in na preset ang pangalang ito."},
    {"preset_shine", "Kinang"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Boses"},
    {"preset_warm", "Mainit"},
    // Preset menu section headers.
    {"presets_builtin", "Nakapaloob"},
    {"presets_user", "Aking mga preset"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Alisin ang system filter"},
    {"remove_filter_hint",
     "Inaalis ang system-wide na audio filter na in-install ng Velmora. Pagkatapos "
     "nito, tutugtog ang iyong tunog nang walang effect hanggang i-set up mo ulit "
     "ang filter."},
    {"save", "I-save"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "I-save ang preset"},
    // Title of the settings page and its button.
    {"settings", "Mga Setting"},
    // Status line in the footer.
    {"status_active", "Aktibo: dumadaan sa Velmora ang lahat ng tunog ng system"},
    {"status_bypass", "Naka-bypass: naka-off ang effect"},
    {"status_chained", "Aktibo kasama ng isa pang effect sa chain"},
    {"status_connecting", "Kumokonekta sa sound server…"},
    {"status_no_server", "Walang nakitang sound server; sinusubukang muli…"},
    {"status_other_instance",
     "Tumatakbo na ang Velmora sa ibang lugar; mananatiling idle ang kopyang ito"},
    {"status_select_output",
     "Piliin ang “Velmora” bilang output device sa iyong mga setting ng tunog para "
     "marinig ang effect"},
    {"status_setup_needed", "Kailangan ng isang beses na pag-set up ng audio"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Madilim"},
    {"theme_light", "Maliwanag"},
    // About box: heading of the third-party notices.
    {"third_party", "Software ng third party"},
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

extern const Table kTl = {"tl", "Tagalog", false, kEntries};

}  // namespace i18n::lang
