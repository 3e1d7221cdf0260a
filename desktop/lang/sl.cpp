// Slovenian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora spremeni zvok vsega, kar predvaja vaš računalnik. Glasnost imejte na prijetni "
     "ravni: učinek lahko zvok ojača. Programska oprema je na voljo takšna, kot je, brez "
     "kakršnega koli jamstva; avtorji ne odgovarjajo za poškodbe sluha, zvočnikov ali "
     "podatkov."},
    {"about_disclaimer_title", "Omejitev odgovornosti"},
    {"about_report_bug", "Prijavi težavo:"},
    {"about_tagline",
     "Toplina elektronk in studijska kompresija za vse, kar predvaja vaš računalnik."},
    {"about_version", "Različica %s (gradnja %s)"},
    // Settings page.
    {"appearance", "Videz"},
    {"autostart", "Zaženi ob prijavi"},
    // Buttons.
    {"cancel", "Prekliči"},
    {"close", "Zapri"},
    // Compressor presets.
    {"cpreset_gentle", "Nežna"},
    {"cpreset_level", "Izravnava"},
    {"cpreset_parallel", "Vzporedna"},
    {"cpreset_peaks", "Lovilec konic"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vokal"},
    // Crash note.
    {"crash_discard", "Zavrzi"},
    {"crash_send", "Pošlji poročilo"},
    {"crash_text",
     "Ob zadnjem zagonu se je Velmora nepričakovano zaprla, zvok pa je bil povrnjen v "
     "prejšnje stanje. Shranjeno je bilo kratko poročilo o sesutju. Ali nam ga želite poslati "
     "po e-pošti? Ne vsebuje nobenega zvoka ali osebnih datotek, nam pa pomaga odpraviti "
     "težavo."},
    {"crash_title", "Velmora se je nepričakovano zaprla"},
    // Compressor graph.
    {"curve", "Krivulja"},
    {"curve_in", "Vhod"},
    // Settings page.
    {"device", "Izhodna naprava"},
    {"device_follow", "Sistemska privzeta"},
    {"err_no_device", "Izbrane naprave ni mogoče najti"},
    {"fx_on_start", "Učinek vklopljen ob zagonu"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Izhod"},
    {"group_tone", "Ton"},
    {"group_tube", "Elektronka"},
    {"hint_reset", "Dvoklik na gumb ga ponastavi"},
    // Knob captions.
    {"knob_attack", "Attack"},
    {"knob_bass", "Nižine"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Sredina"},
    {"knob_mix", "Mix"},
    {"knob_output", "Izhod"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Višine"},
    {"language", "Jezik"},
    {"language_auto", "Samodejno (jezik sistema)"},
    {"limiter", "Limiter"},
    {"on_top", "Kompaktni pogled vedno na vrhu"},
    {"power_off", "Izkl."},
    {"power_on", "Vkl."},
    // Presets and the save dialog.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Po meri"},
    {"preset_default_name", "Moja prednastavitev %d"},
    {"preset_fat", "Debel"},
    {"preset_full", "Shranjenih je 100 prednastavitev: preden shranite novo, eno izbrišite."},
    {"preset_gentle", "Nežen"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "spremenjeno"},
    {"preset_name", "Ime"},
    {"preset_neutral", "Nevtralen"},
    {"preset_night", "Nočni način"},
    {"preset_overwrite", "Prednastavitev s tem imenom že obstaja in bo zamenjana."},
    {"preset_radio", "Star radio"},
    {"preset_reserved", "To ime pripada vgrajeni prednastavitvi."},
    {"preset_shine", "Sijaj"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Glas"},
    {"preset_warm", "Topel"},
    {"presets_builtin", "Vgrajene"},
    {"presets_user", "Moje prednastavitve"},
    {"remove_filter", "Odstrani sistemski filter"},
    {"remove_filter_hint",
     "Odstrani zvočni filter za ves sistem, ki ga je namestila Velmora. Zvok se bo nato "
     "predvajal brez učinka, dokler filtra znova ne nastavite."},
    {"save", "Shrani"},
    {"save_preset", "Shrani prednastavitev"},
    {"settings", "Nastavitve"},
    // Status line.
    {"status_active", "Dejavno: ves sistemski zvok teče skozi program Velmora"},
    {"status_bypass", "Obvod: učinek je izklopljen"},
    {"status_chained", "Dejavno v verigi z drugim učinkom"},
    {"status_connecting", "Povezovanje z zvočnim strežnikom …"},
    {"status_no_server", "Zvočnega strežnika ni mogoče najti; ponovni poskus …"},
    {"status_other_instance", "Velmora se že izvaja drugje; ta kopija ostaja nedejavna"},
    {"status_select_output",
     "Če želite slišati učinek, v nastavitvah zvoka kot izhodno napravo izberite „Velmora“"},
    {"status_setup_needed", "Potrebna je enkratna nastavitev zvoka"},
    {"theme_dark", "Temna"},
    {"theme_light", "Svetla"},
    {"third_party", "Programska oprema tretjih oseb"},
    // Rack units and meter modes.
    {"unit_comp", "Kompresor"},
    {"unit_tube", "Cevni predojačevalnik"},
    {"vu_gr", "GR"},
    {"vu_in", "Vh"},
    {"vu_out", "Izh"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kSl = {"sl", "Slovenščina", false, kEntries};

}  // namespace i18n::lang
