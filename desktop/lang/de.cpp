// German.
// Formal address ("Sie") throughout; audio engineers' English terms stay on the
// compressor knobs, as on German studio gear.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora verändert den Klang von allem, was Ihr Computer wiedergibt. Halten Sie die "
     "Lautstärke auf einem angenehmen Niveau: Der Effekt kann den Ton lauter machen. Die "
     "Software wird in der vorliegenden Form und ohne jegliche Gewährleistung bereitgestellt; "
     "die Autoren haften nicht für Schäden an Gehör, Lautsprechern oder Daten."},
    {"about_disclaimer_title", "Haftungsausschluss"},
    {"about_report_bug", "Problem melden:"},
    {"about_tagline",
     "Röhrenwärme und Studiokompression für alles, was Ihr Computer wiedergibt."},
    {"about_version", "Version %s (Build %s)"},
    // Settings page.
    {"appearance", "Erscheinungsbild"},
    {"autostart", "Beim Anmelden automatisch starten"},
    // Buttons.
    {"cancel", "Abbrechen"},
    {"close", "Schließen"},
    // Compressor presets.
    {"cpreset_gentle", "Sanft"},
    {"cpreset_level", "Pegelausgleich"},
    {"cpreset_parallel", "Parallel"},
    {"cpreset_peaks", "Spitzenfänger"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Gesang"},
    // Crash note.
    {"crash_discard", "Verwerfen"},
    {"crash_send", "Bericht senden"},
    {"crash_text",
     "Velmora wurde beim letzten Mal unerwartet beendet, und Ihre Tonausgabe wurde "
     "wieder so eingerichtet wie zuvor. Ein kurzer Absturzbericht wurde gespeichert. Möchten "
     "Sie ihn uns per E-Mail senden? Er enthält weder Audiodaten noch persönliche Dateien und "
     "hilft uns, das Problem zu beheben."},
    {"crash_title", "Velmora wurde unerwartet beendet"},
    // Compressor graph.
    {"curve", "Kennlinie"},
    {"curve_in", "Eingang"},
    // Settings page: output device.
    {"device", "Ausgabegerät"},
    {"device_follow", "Systemstandard"},
    {"err_no_device", "Gewähltes Gerät nicht gefunden"},
    {"fx_on_start", "Effekt beim Programmstart aktiv"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Ausgang"},
    {"group_tone", "Klang"},
    {"group_tube", "Röhre"},
    {"hint_reset", "Regler per Doppelklick zurücksetzen"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Bässe"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Mitten"},
    {"knob_mix", "Mix"},
    {"knob_output", "Ausgang"},
    {"knob_presence", "Präsenz"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Höhen"},
    // Settings page: language.
    {"language", "Sprache"},
    {"language_auto", "Automatisch (System)"},
    {"limiter", "Limiter"},
    {"on_top", "Kompaktansicht immer im Vordergrund"},
    // Power buttons.
    {"power_off", "Aus"},
    {"power_on", "Ein"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Benutzerdefiniert"},
    {"preset_default_name", "Mein Preset %d"},
    {"preset_fat", "Fett"},
    {"preset_full",
     "100 Presets gespeichert: Löschen Sie eines, bevor Sie ein weiteres speichern."},
    {"preset_gentle", "Sanft"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "geändert"},
    {"preset_name", "Name"},
    {"preset_neutral", "Neutral"},
    {"preset_night", "Nachtmodus"},
    {"preset_overwrite", "Ein Preset mit diesem Namen existiert bereits und wird ersetzt."},
    {"preset_radio", "Altes Radio"},
    {"preset_reserved", "Dieser Name gehört zu einem Werkspreset."},
    {"preset_shine", "Glanz"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Stimme"},
    {"preset_warm", "Warm"},
    {"presets_builtin", "Werkspresets"},
    {"presets_user", "Meine Presets"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Systemfilter entfernen"},
    {"remove_filter_hint",
     "Entfernt den systemweiten Audiofilter, den Velmora installiert hat. Der Ton wird dann "
     "ohne den Effekt wiedergegeben, bis Sie den Filter erneut einrichten."},
    {"save", "Speichern"},
    {"save_preset", "Preset speichern"},
    {"settings", "Einstellungen"},
    // Status line.
    {"status_active", "Aktiv: Der gesamte Systemton läuft durch Velmora"},
    {"status_bypass", "Bypass: Der Effekt ist ausgeschaltet"},
    {"status_chained", "Aktiv in einer Kette mit einem anderen Effekt"},
    {"status_connecting", "Verbindung zum Soundserver wird hergestellt …"},
    {"status_no_server", "Kein Soundserver gefunden; neuer Versuch …"},
    {"status_other_instance",
     "Velmora läuft bereits an anderer Stelle; diese Instanz bleibt inaktiv"},
    {"status_select_output",
     "Wählen Sie in Ihren Audioeinstellungen „Velmora“ als Ausgabegerät, um den Effekt "
     "zu hören"},
    {"status_setup_needed", "Eine einmalige Audio-Einrichtung ist erforderlich"},
    // Theme switch.
    {"theme_dark", "Dunkel"},
    {"theme_light", "Hell"},
    {"third_party", "Software von Drittanbietern"},
    // Rack units.
    {"unit_comp", "Kompressor"},
    {"unit_tube", "Röhrenvorstufe"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kDe = {"de", "Deutsch", false, kEntries};

}  // namespace i18n::lang
