// Swedish.
// Informal address ("du"), as in Swedish desktop software.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora ändrar ljudet i allt som datorn spelar upp. Håll volymen på en behaglig nivå: "
     "effekten kan göra ljudet starkare. Programvaran tillhandahålls i befintligt skick, utan "
     "några garantier; upphovspersonerna ansvarar inte för skador på hörsel, högtalare eller "
     "data."},
    {"about_disclaimer_title", "Ansvarsfriskrivning"},
    {"about_report_bug", "Rapportera ett problem:"},
    {"about_tagline", "Rörvärme och studiokompression för allt som datorn spelar upp."},
    {"about_version", "Version %s (bygge %s)"},
    // Settings page.
    {"appearance", "Utseende"},
    {"autostart", "Starta när jag loggar in"},
    // Buttons.
    {"cancel", "Avbryt"},
    {"close", "Stäng"},
    // Compressor presets.
    {"cpreset_gentle", "Mjuk"},
    {"cpreset_level", "Nivåutjämning"},
    {"cpreset_parallel", "Parallell"},
    {"cpreset_peaks", "Toppfångare"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Sång"},
    // Crash note.
    {"crash_discard", "Kasta"},
    {"crash_send", "Skicka rapport"},
    {"crash_text",
     "Velmora avslutades oväntat förra gången programmet kördes, och ditt ljud återställdes "
     "som det var. En kort kraschrapport sparades. Vill du skicka den till oss via e-post? "
     "Den innehåller inget ljud och inga personliga filer, och den hjälper oss att åtgärda "
     "problemet."},
    {"crash_title", "Velmora avslutades oväntat"},
    // Compressor graph.
    {"curve", "Kurva"},
    {"curve_in", "Ingång"},
    // Settings page: output device.
    {"device", "Utgångsenhet"},
    {"device_follow", "Systemstandard"},
    {"err_no_device", "Den valda enheten hittades inte"},
    {"fx_on_start", "Effekten på vid start"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Utgång"},
    {"group_tone", "Ton"},
    {"group_tube", "Rör"},
    {"hint_reset", "Dubbelklicka på en ratt för att återställa den"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Bas"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Mellan"},
    {"knob_mix", "Mix"},
    {"knob_output", "Utgång"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Diskant"},
    // Settings page: language.
    {"language", "Språk"},
    {"language_auto", "Automatiskt (system)"},
    {"limiter", "Limiter"},
    {"on_top", "Kompakt vy alltid överst"},
    // Power buttons.
    {"power_off", "Av"},
    {"power_on", "På"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Anpassad"},
    {"preset_default_name", "Min förinställning %d"},
    {"preset_fat", "Fet"},
    {"preset_full", "100 förinställningar sparade: ta bort en innan du sparar en ny."},
    {"preset_gentle", "Mjuk"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "ändrad"},
    {"preset_name", "Namn"},
    {"preset_neutral", "Neutral"},
    {"preset_night", "Nattläge"},
    {"preset_overwrite",
     "Det finns redan en förinställning med det här namnet, och den kommer att ersättas."},
    {"preset_radio", "Gammal radio"},
    {"preset_reserved", "Namnet tillhör en inbyggd förinställning."},
    {"preset_shine", "Glans"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Röst"},
    {"preset_warm", "Varm"},
    {"presets_builtin", "Inbyggda"},
    {"presets_user", "Mina förinställningar"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Ta bort systemfilter"},
    {"remove_filter_hint",
     "Tar bort det systemomfattande ljudfiltret som Velmora installerade. Ljudet spelas sedan "
     "upp utan effekten tills du konfigurerar filtret igen."},
    {"save", "Spara"},
    {"save_preset", "Spara förinställning"},
    {"settings", "Inställningar"},
    // Status line.
    {"status_active", "Aktiv: allt systemljud går genom Velmora"},
    {"status_bypass", "Förbikopplad: effekten är avstängd"},
    {"status_chained", "Aktiv i en kedja med en annan effekt"},
    {"status_connecting", "Ansluter till ljudservern…"},
    {"status_no_server", "Ingen ljudserver hittades; försöker igen…"},
    {"status_other_instance",
     "Velmora körs redan på annat håll; den här kopian förblir inaktiv"},
    {"status_select_output",
     "Välj ”Velmora” som utgångsenhet i ljudinställningarna för att höra effekten"},
    {"status_setup_needed", "En engångskonfiguration av ljudet krävs"},
    // Theme switch.
    {"theme_dark", "Mörkt"},
    {"theme_light", "Ljust"},
    {"third_party", "Programvara från tredje part"},
    // Rack units.
    {"unit_comp", "Kompressor"},
    {"unit_tube", "Rörförsteg"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Ut"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kSv = {"sv", "Svenska", false, kEntries};

}  // namespace i18n::lang
