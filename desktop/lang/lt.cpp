// Lithuanian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora keičia viso kompiuteryje grojamo garso skambesį. Nustatykite patogų garsumą: "
     "efektas gali garsą sustiprinti. Programinė įranga teikiama „tokia, kokia yra“, be "
     "jokių garantijų; autoriai neatsako už žalą klausai, garsiakalbiams ar duomenims."},
    {"about_disclaimer_title", "Atsakomybės apribojimas"},
    {"about_report_bug", "Pranešti apie problemą:"},
    {"about_tagline", "Lempų šiluma ir studijinė kompresija viskam, ką groja jūsų kompiuteris."},
    {"about_version", "Versija %s (darinys %s)"},
    // Settings page.
    {"appearance", "Išvaizda"},
    {"autostart", "Paleisti prisijungus"},
    // Buttons.
    {"cancel", "Atšaukti"},
    {"close", "Užverti"},
    // Compressor presets.
    {"cpreset_gentle", "Švelnus"},
    {"cpreset_level", "Išlyginimas"},
    {"cpreset_parallel", "Lygiagretus"},
    {"cpreset_peaks", "Pikų gaudyklė"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vokalas"},
    // Crash note.
    {"crash_discard", "Atmesti"},
    {"crash_send", "Siųsti ataskaitą"},
    {"crash_text",
     "Paskutinį kartą veikdama Velmora netikėtai užsidarė, o garsas buvo grąžintas į "
     "ankstesnę būseną. Išsaugota trumpa strigties ataskaita. Ar norite ją mums išsiųsti "
     "el. paštu? Joje nėra jokio garso ar asmeninių failų, o ji padės mums ištaisyti "
     "problemą."},
    {"crash_title", "Velmora netikėtai užsidarė"},
    // Compressor graph.
    {"curve", "Kreivė"},
    {"curve_in", "Įvestis"},
    // Settings page.
    {"device", "Išvesties įrenginys"},
    {"device_follow", "Numatytasis sistemos"},
    {"err_no_device", "Pasirinktas įrenginys nerastas"},
    {"fx_on_start", "Efektas įjungtas paleidus"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Išvestis"},
    {"group_tone", "Tembras"},
    {"group_tube", "Lempa"},
    {"hint_reset", "Dukart spustelėkite rankenėlę, kad ją atstatytumėte"},
    // Knob captions.
    {"knob_attack", "Attack"},
    {"knob_bass", "Žemieji"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Viduriniai"},
    {"knob_mix", "Mix"},
    {"knob_output", "Išvestis"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Aukštieji"},
    {"language", "Kalba"},
    {"language_auto", "Automatiškai (pagal sistemą)"},
    {"limiter", "Limiteris"},
    {"on_top", "Kompaktiškas vaizdas visada viršuje"},
    {"power_off", "Išj."},
    {"power_on", "Įj."},
    // Presets and the save dialog.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Pasirinktinis"},
    {"preset_default_name", "Mano presetas %d"},
    {"preset_fat", "Sodrus"},
    {"preset_full", "Išsaugota 100 presetų: prieš išsaugodami kitą, vieną ištrinkite."},
    {"preset_gentle", "Švelnus"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "pakeistas"},
    {"preset_name", "Pavadinimas"},
    {"preset_neutral", "Neutralus"},
    {"preset_night", "Naktinis režimas"},
    {"preset_overwrite", "Presetas tokiu pavadinimu jau yra ir bus pakeistas."},
    {"preset_radio", "Senas radijas"},
    {"preset_reserved", "Šis pavadinimas priklauso įtaisytajam presetui."},
    {"preset_shine", "Spindesys"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Balsas"},
    {"preset_warm", "Šiltas"},
    {"presets_builtin", "Įtaisytieji"},
    {"presets_user", "Mano presetai"},
    {"remove_filter", "Šalinti sistemos filtrą"},
    {"remove_filter_hint",
     "Pašalina visos sistemos garso filtrą, kurį įdiegė Velmora. Tada garsas bus grojamas "
     "be efekto, kol vėl nustatysite filtrą."},
    {"save", "Išsaugoti"},
    {"save_preset", "Išsaugoti presetą"},
    {"settings", "Nustatymai"},
    // Status line.
    {"status_active", "Aktyvus: visas sistemos garsas eina per Velmorą"},
    {"status_bypass", "Apeinama: efektas išjungtas"},
    {"status_chained", "Aktyvus grandinėje su kitu efektu"},
    {"status_connecting", "Jungiamasi prie garso serverio…"},
    {"status_no_server", "Garso serveris nerastas; bandoma dar kartą…"},
    {"status_other_instance", "Velmora jau veikia kitur; ši kopija lieka neaktyvi"},
    {"status_select_output",
     "Kad išgirstumėte efektą, garso nustatymuose kaip išvesties įrenginį pasirinkite "
     "„Velmora“"},
    {"status_setup_needed", "Reikia vienkartinės garso sąrankos"},
    {"theme_dark", "Tamsi"},
    {"theme_light", "Šviesi"},
    {"third_party", "Trečiųjų šalių programinė įranga"},
    // Rack units and meter modes.
    {"unit_comp", "Kompresorius"},
    {"unit_tube", "Lempinis priešstiprintuvis"},
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kLt = {"lt", "Lietuvių", false, kEntries};

}  // namespace i18n::lang
