// Danish.
// Informal address ("du"), as in Danish desktop software.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora ændrer lyden af alt, hvad din computer afspiller. Hold lydstyrken på et "
     "behageligt niveau: effekten kan gøre lyden kraftigere. Softwaren leveres, som den er, "
     "uden nogen form for garanti; forfatterne hæfter ikke for skader på hørelse, højttalere "
     "eller data."},
    {"about_disclaimer_title", "Ansvarsfraskrivelse"},
    {"about_report_bug", "Rapportér et problem:"},
    {"about_tagline", "Rørvarme og studiekompression til alt, hvad din computer afspiller."},
    {"about_version", "Version %s (build %s)"},
    // Settings page.
    {"appearance", "Udseende"},
    {"autostart", "Start, når jeg logger ind"},
    // Buttons.
    {"cancel", "Annuller"},
    {"close", "Luk"},
    // Compressor presets.
    {"cpreset_gentle", "Blid"},
    {"cpreset_level", "Udjævning"},
    {"cpreset_parallel", "Parallel"},
    {"cpreset_peaks", "Spidsfanger"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vokal"},
    // Crash note.
    {"crash_discard", "Kassér"},
    {"crash_send", "Send rapport"},
    {"crash_text",
     "Velmora stoppede uventet, sidste gang programmet kørte, og din lyd blev sat tilbage, "
     "som den var. En kort nedbrudsrapport blev gemt. Vil du sende den til os via e-mail? "
     "Den indeholder ingen lyd og ingen personlige filer, og den hjælper os med at løse "
     "problemet."},
    {"crash_title", "Velmora lukkede uventet"},
    // Compressor graph.
    {"curve", "Kurve"},
    {"curve_in", "Indgang"},
    // Settings page: output device.
    {"device", "Outputenhed"},
    {"device_follow", "Systemstandard"},
    {"err_no_device", "Den valgte enhed blev ikke fundet"},
    {"fx_on_start", "Effekt slået til ved start"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Udgang"},
    {"group_tone", "Tone"},
    {"group_tube", "Rør"},
    {"hint_reset", "Dobbeltklik på en drejeknap for at nulstille den"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Bas"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Mellemtone"},
    {"knob_mix", "Mix"},
    {"knob_output", "Udgang"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Diskant"},
    // Settings page: language.
    {"language", "Sprog"},
    {"language_auto", "Automatisk (system)"},
    {"limiter", "Limiter"},
    {"on_top", "Kompakt visning altid øverst"},
    // Power buttons.
    {"power_off", "Fra"},
    {"power_on", "Til"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Tilpasset"},
    {"preset_default_name", "Mit preset %d"},
    {"preset_fat", "Fed"},
    {"preset_full", "100 presets gemt: slet et, før du gemmer et nyt."},
    {"preset_gentle", "Blid"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "ændret"},
    {"preset_name", "Navn"},
    {"preset_neutral", "Neutral"},
    {"preset_night", "Nattilstand"},
    {"preset_overwrite", "Der findes allerede et preset med dette navn; det bliver erstattet."},
    {"preset_radio", "Gammel radio"},
    {"preset_reserved", "Navnet tilhører et indbygget preset."},
    {"preset_shine", "Glans"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Stemme"},
    {"preset_warm", "Varm"},
    {"presets_builtin", "Indbyggede"},
    {"presets_user", "Mine presets"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Fjern systemfilter"},
    {"remove_filter_hint",
     "Fjerner det systemdækkende lydfilter, som Velmora har installeret. Din lyd afspilles "
     "derefter uden effekten, indtil du opsætter filteret igen."},
    {"save", "Gem"},
    {"save_preset", "Gem preset"},
    {"settings", "Indstillinger"},
    // Status line.
    {"status_active", "Aktiv: al systemlyd går gennem Velmora"},
    {"status_bypass", "Bypass: effekten er slået fra"},
    {"status_chained", "Aktiv i en kæde med en anden effekt"},
    {"status_connecting", "Opretter forbindelse til lydserveren…"},
    {"status_no_server", "Ingen lydserver fundet; prøver igen…"},
    {"status_other_instance",
     "Velmora kører allerede et andet sted; denne kopi forbliver inaktiv"},
    {"status_select_output",
     "Vælg »Velmora« som outputenhed i dine lydindstillinger for at høre effekten"},
    {"status_setup_needed", "Lyden skal konfigureres én gang"},
    // Theme switch.
    {"theme_dark", "Mørkt"},
    {"theme_light", "Lyst"},
    {"third_party", "Tredjepartssoftware"},
    // Rack units.
    {"unit_comp", "Kompressor"},
    {"unit_tube", "Rør-preamp"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "Ind"},
    {"vu_out", "Ud"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kDa = {"da", "Dansk", false, kEntries};

}  // namespace i18n::lang
