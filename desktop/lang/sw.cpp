// Swahili.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Velmora hubadilisha sauti ya kila kitu kinachochezwa na kompyuta yako. Weka "
     "kiwango cha sauti katika hali ya kustarehesha: athari hii inaweza kuongeza "
     "sauti. Programu hii inatolewa kama ilivyo, bila dhamana yoyote; waandishi "
     "wake hawawajibiki kwa madhara yoyote kwa usikivu, spika au data."},
    {"about_disclaimer_title", "Kanusho"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Ripoti tatizo:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "Joto la vali na ubanaji wa sauti wa kistudio kwa kila kitu kinachochezwa na "
     "kompyuta yako."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Toleo %s (muundo %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Mwonekano"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Anza ninapoingia"},
    // Buttons.
    {"cancel", "Ghairi"},
    {"close", "Funga"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Laini"},
    {"cpreset_level", "Kisawazishi"},
    {"cpreset_parallel", "Sambamba"},
    {"cpreset_peaks", "Kinasa Vilele"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Uimbaji"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Tupa"},
    {"crash_send", "Tuma ripoti"},
    {"crash_text",
     "Velmora ilifungika bila kutarajiwa mara ya mwisho ilipotumika, na sauti yako "
     "ilirejeshwa kama ilivyokuwa. Ripoti fupi ya hitilafu imehifadhiwa. Je, "
     "ungependa kututumia ripoti hiyo kwa barua pepe? Haina sauti yoyote wala faili "
     "zako binafsi, na inatusaidia kurekebisha tatizo."},
    {"crash_title", "Velmora ilifungika bila kutarajiwa"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Mkunjo"},
    {"curve_in", "Ingizo"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Kifaa cha kutoa sauti"},
    {"device_follow", "Chaguomsingi la mfumo"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "Kifaa kilichochaguliwa hakipatikani"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Washa athari programu inapoanza"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Mchanganyiko"},
    {"group_output", "Towe"},
    {"group_tone", "Toni"},
    {"group_tube", "Vali"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "Bofya kitufe mara mbili ili kukirejesha"},
    // Knob captions (about 12 characters; engineers' terms where they exist).
    {"knob_attack", "Attack"},
    {"knob_bass", "Besi"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Kati"},
    {"knob_mix", "Mix"},
    {"knob_output", "Towe"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Treble"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "Lugha"},
    {"language_auto", "Otomatiki (mfumo)"},
    // Switch of the output limiter.
    {"limiter", "Limiter"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Mwonekano mdogo juu kila wakati"},
    // Power button of a unit and of the whole effect. "On"/"Off" as printed on
    // devices: "Imewashwa"/"Imezimwa" do not fit the compact view's button.
    {"power_off", "Zima"},
    {"power_on", "Washa"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Maalum"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "Preset yangu %d"},
    {"preset_fat", "Nzito"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full", "Preset 100 zimehifadhiwa: futa moja kabla ya kuhifadhi nyingine."},
    {"preset_gentle", "Laini"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "imebadilishwa"},
    // Save dialog: label of the name field.
    {"preset_name", "Jina"},
    {"preset_neutral", "Asilia"},
    {"preset_night", "Hali ya Usiku"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "Preset yenye jina hili tayari ipo na itabadilishwa."},
    {"preset_radio", "Redio ya Zamani"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "Jina hili ni la preset iliyojengwa ndani."},
    {"preset_shine", "Mng'ao"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Sauti"},
    {"preset_warm", "Joto"},
    // Preset menu section headers.
    {"presets_builtin", "Zilizojengwa ndani"},
    {"presets_user", "Preset zangu"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Ondoa kichujio cha mfumo"},
    {"remove_filter_hint",
     "Huondoa kichujio cha sauti cha mfumo mzima kilichosakinishwa na Velmora. "
     "Baada ya hapo sauti yako itacheza bila athari hadi utakapoweka kichujio tena."},
    {"save", "Hifadhi"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "Hifadhi preset"},
    // Title of the settings page and its button.
    {"settings", "Mipangilio"},
    // Status line in the footer.
    {"status_active", "Inatumika: sauti yote ya mfumo inapita kupitia Velmora"},
    {"status_bypass", "Imerukwa: athari imezimwa"},
    {"status_chained", "Inatumika katika mnyororo pamoja na athari nyingine"},
    {"status_connecting", "Inaunganisha kwenye seva ya sauti…"},
    {"status_no_server", "Seva ya sauti haijapatikana; inajaribu tena…"},
    {"status_other_instance",
     "Velmora tayari inaendeshwa mahali pengine; nakala hii itasubiri bila kufanya "
     "kazi"},
    {"status_select_output",
     "Chagua “Velmora” kama kifaa cha kutoa sauti katika mipangilio ya sauti ili "
     "usikie athari"},
    {"status_setup_needed", "Unahitaji kuweka mipangilio ya sauti mara moja tu"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Meusi"},
    {"theme_light", "Meupe"},
    // About box: heading of the third-party notices.
    {"third_party", "Programu za wahusika wengine"},
    // Names of the two rack units.
    {"unit_comp", "Kompresa"},
    {"unit_tube", "Preamp ya Vali"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kSw = {"sw", "Kiswahili", false, kEntries};

}  // namespace i18n::lang
