// Norwegian Bokmål.
// Informal address ("du"), as in Norwegian desktop software.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora endrer lyden i alt datamaskinen spiller av. Hold volumet på et behagelig nivå: "
     "effekten kan gjøre lyden kraftigere. Programvaren leveres som den er, uten noen form "
     "for garanti; opphavspersonene er ikke ansvarlige for skade på hørsel, høyttalere eller "
     "data."},
    {"about_disclaimer_title", "Ansvarsfraskrivelse"},
    {"about_report_bug", "Rapporter et problem:"},
    {"about_tagline", "Rørvarme og studiokompresjon for alt datamaskinen spiller av."},
    {"about_version", "Versjon %s (bygg %s)"},
    // Settings page.
    {"appearance", "Utseende"},
    {"autostart", "Start når jeg logger på"},
    // Buttons.
    {"cancel", "Avbryt"},
    {"close", "Lukk"},
    // Compressor presets.
    {"cpreset_gentle", "Mild"},
    {"cpreset_level", "Utjevner"},
    {"cpreset_parallel", "Parallell"},
    {"cpreset_peaks", "Toppfanger"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vokal"},
    // Crash note.
    {"crash_discard", "Forkast"},
    {"crash_send", "Send rapport"},
    {"crash_text",
     "Velmora ble avsluttet uventet forrige gang programmet kjørte, og lyden din ble satt "
     "tilbake slik den var. En kort krasjrapport ble lagret. Vil du sende den til oss på "
     "e-post? Den inneholder ingen lyd og ingen personlige filer, og den hjelper oss med å "
     "rette feilen."},
    {"crash_title", "Velmora ble avsluttet uventet"},
    // Compressor graph.
    {"curve", "Kurve"},
    {"curve_in", "Inngang"},
    // Settings page: output device.
    {"device", "Utgangsenhet"},
    {"device_follow", "Systemstandard"},
    {"err_no_device", "Finner ikke den valgte enheten"},
    {"fx_on_start", "Effekten på ved oppstart"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Utgang"},
    {"group_tone", "Tone"},
    {"group_tube", "Rør"},
    {"hint_reset", "Dobbeltklikk på en knott for å tilbakestille den"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Bass"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Mellomtone"},
    {"knob_mix", "Mix"},
    {"knob_output", "Utgang"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Diskant"},
    // Settings page: language.
    {"language", "Språk"},
    {"language_auto", "Automatisk (system)"},
    {"limiter", "Limiter"},
    {"on_top", "Kompakt visning alltid øverst"},
    // Power buttons.
    {"power_off", "Av"},
    {"power_on", "På"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Egendefinert"},
    {"preset_default_name", "Min preset %d"},
    {"preset_fat", "Fet"},
    {"preset_full", "100 presets er lagret: slett én før du lagrer en ny."},
    {"preset_gentle", "Mild"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "endret"},
    {"preset_name", "Navn"},
    {"preset_neutral", "Nøytral"},
    {"preset_night", "Nattmodus"},
    {"preset_overwrite",
     "Det finnes allerede en preset med dette navnet, og den blir erstattet."},
    {"preset_radio", "Gammel radio"},
    {"preset_reserved", "Navnet tilhører en innebygd preset."},
    {"preset_shine", "Glans"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Stemme"},
    {"preset_warm", "Varm"},
    {"presets_builtin", "Innebygde"},
    {"presets_user", "Mine presets"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Fjern systemfilter"},
    {"remove_filter_hint",
     "Fjerner det systemomfattende lydfilteret som Velmora installerte. Lyden spilles da av "
     "uten effekten til du setter opp filteret igjen."},
    {"save", "Lagre"},
    {"save_preset", "Lagre preset"},
    {"settings", "Innstillinger"},
    // Status line.
    {"status_active", "Aktiv: all systemlyd går gjennom Velmora"},
    {"status_bypass", "Bypass: effekten er slått av"},
    {"status_chained", "Aktiv i en kjede med en annen effekt"},
    {"status_connecting", "Kobler til lydserveren…"},
    {"status_no_server", "Fant ingen lydserver; prøver igjen…"},
    {"status_other_instance",
     "Velmora kjører allerede et annet sted; denne kopien forblir inaktiv"},
    {"status_select_output",
     "Velg «Velmora» som utgangsenhet i lydinnstillingene for å høre effekten"},
    {"status_setup_needed", "Et engangsoppsett av lyden er nødvendig"},
    // Theme switch.
    {"theme_dark", "Mørkt"},
    {"theme_light", "Lyst"},
    {"third_party", "Tredjepartsprogramvare"},
    // Rack units.
    {"unit_comp", "Kompressor"},
    {"unit_tube", "Rør-preamp"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "Inn"},
    {"vu_out", "Ut"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kNb = {"nb", "Norsk bokmål", false, kEntries};

}  // namespace i18n::lang
