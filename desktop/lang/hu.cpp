// Hungarian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "A Velmora mindannak a hangját megváltoztatja, amit a számítógépe lejátszik. "
     "Tartsa a hangerőt kellemes szinten: az effektus hangosabbá teheti a hangot. A "
     "szoftvert „ahogy van” alapon, mindenféle garancia nélkül biztosítjuk; a "
     "szerzők nem felelősek a hallásban, a hangszórókban vagy az adatokban "
     "keletkezett károkért."},
    {"about_disclaimer_title", "Jogi nyilatkozat"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Hiba bejelentése:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "Csöves melegség és stúdiókompresszió mindenhez, amit a számítógépe lejátszik."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Verzió: %s (összeállítás: %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Megjelenés"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Indítás bejelentkezéskor"},
    // Buttons.
    {"cancel", "Mégse"},
    {"close", "Bezárás"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Finom"},
    {"cpreset_level", "Szintkiegyenlítő"},
    {"cpreset_parallel", "Párhuzamos"},
    {"cpreset_peaks", "Csúcsfogó"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Ének"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Elvetés"},
    {"crash_send", "Jelentés küldése"},
    {"crash_text",
     "A Velmora legutóbbi futása váratlanul véget ért, ezért a hangbeállításokat "
     "visszaállítottuk a korábbi állapotukra. Elmentettünk egy rövid hibajelentést. "
     "Szeretné elküldeni nekünk e-mailben? Nem tartalmaz hangfelvételt és személyes "
     "fájlokat, viszont segít kijavítani a hibát."},
    {"crash_title", "A Velmora váratlanul kilépett"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Görbe"},
    {"curve_in", "Bemenet"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Kimeneti eszköz"},
    {"device_follow", "Rendszer alapértelmezése"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "A kiválasztott eszköz nem található"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Effektus bekapcsolva induláskor"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Mix"},
    {"group_output", "Kimenet"},
    {"group_tone", "Hangszín"},
    {"group_tube", "Cső"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "Kattintson duplán egy gombra az alaphelyzetbe állításhoz"},
    // Knob captions (about 12 characters; engineers' terms where they exist).
    {"knob_attack", "Attack"},
    {"knob_bass", "Mély"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Közép"},
    {"knob_mix", "Mix"},
    {"knob_output", "Kimenet"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Magas"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "Nyelv"},
    {"language_auto", "Automatikus (rendszer)"},
    // Switch of the output limiter.
    {"limiter", "Limiter"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Kompakt nézet mindig felül"},
    // Power button of a unit and of the whole effect.
    {"power_off", "Ki"},
    {"power_on", "Be"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Egyéni"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "Saját preset %d"},
    {"preset_fat", "Testes"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full", "Már 100 preset van elmentve: újabb mentése előtt töröljön egyet."},
    {"preset_gentle", "Finom"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "módosítva"},
    // Save dialog: label of the name field.
    {"preset_name", "Név"},
    {"preset_neutral", "Semleges"},
    {"preset_night", "Éjszakai mód"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "Már létezik ilyen nevű preset; a mentés felülírja."},
    {"preset_radio", "Régi rádió"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "Ezt a nevet egy beépített preset használja."},
    {"preset_shine", "Csillogás"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Beszéd"},
    {"preset_warm", "Meleg"},
    // Preset menu section headers.
    {"presets_builtin", "Beépített"},
    {"presets_user", "Saját presetek"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Rendszerszűrő eltávolítása"},
    {"remove_filter_hint",
     "Eltávolítja a Velmora által telepített, rendszerszintű hangszűrőt. Ezután a "
     "hang effektus nélkül szól, amíg újra be nem állítja a szűrőt."},
    {"save", "Mentés"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "Preset mentése"},
    // Title of the settings page and its button.
    {"settings", "Beállítások"},
    // Status line in the footer.
    {"status_active", "Aktív: a rendszer minden hangja a Velmorán keresztül szól"},
    {"status_bypass", "Bypass: az effektus ki van kapcsolva"},
    {"status_chained", "Aktív, egy másik effektussal láncba kötve"},
    {"status_connecting", "Kapcsolódás a hangkiszolgálóhoz…"},
    {"status_no_server", "Nem található hangkiszolgáló; újrapróbálkozás…"},
    {"status_other_instance", "A Velmora már fut máshol; ez a példány tétlen marad"},
    {"status_select_output",
     "Az effektus hallásához válassza ki a hangbeállításokban kimeneti eszközként a "
     "„Velmora” lehetőséget"},
    {"status_setup_needed", "Egyszeri hangbeállítás szükséges"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Sötét"},
    {"theme_light", "Világos"},
    // About box: heading of the third-party notices.
    {"third_party", "Harmadik féltől származó szoftverek"},
    // Names of the two rack units.
    {"unit_comp", "Kompresszor"},
    {"unit_tube", "Csöves előerősítő"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "Bem."},
    {"vu_out", "Kim."},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kHu = {"hu", "Magyar", false, kEntries};

}  // namespace i18n::lang
