// Latvian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora maina visas datorā atskaņotās skaņas skanējumu. Uzturiet ērtu skaļuma līmeni: "
     "efekts var padarīt skaņu skaļāku. Programmatūra tiek nodrošināta „tāda, kāda tā ir”, "
     "bez jebkādas garantijas; autori neatbild par dzirdes, skaļruņu vai datu bojājumiem."},
    {"about_disclaimer_title", "Atruna"},
    {"about_report_bug", "Ziņot par problēmu:"},
    {"about_tagline", "Lampu siltums un studijas kompresija visam, ko atskaņo jūsu dators."},
    {"about_version", "Versija %s (būvējums %s)"},
    // Settings page.
    {"appearance", "Izskats"},
    {"autostart", "Palaist pēc pieteikšanās"},
    // Buttons.
    {"cancel", "Atcelt"},
    {"close", "Aizvērt"},
    // Compressor presets.
    {"cpreset_gentle", "Maigs"},
    {"cpreset_level", "Līmeņotājs"},
    {"cpreset_parallel", "Paralēls"},
    {"cpreset_peaks", "Pīķu ķērājs"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vokāls"},
    // Crash note.
    {"crash_discard", "Atmest"},
    {"crash_send", "Sūtīt ziņojumu"},
    {"crash_text",
     "Velmora pēdējās darbības laikā negaidīti beidza darbu, un skaņa tika atjaunota "
     "iepriekšējā stāvoklī. Tika saglabāts īss avārijas ziņojums. Vai vēlaties to mums "
     "nosūtīt pa e-pastu? Tajā nav ne audio, ne personisku failu, un tas palīdzēs mums "
     "novērst problēmu."},
    {"crash_title", "Velmora negaidīti beidza darbu"},
    // Compressor graph.
    {"curve", "Līkne"},
    {"curve_in", "Ieeja"},
    // Settings page.
    {"device", "Izvades ierīce"},
    {"device_follow", "Sistēmas noklusējums"},
    {"err_no_device", "Izvēlētā ierīce nav atrasta"},
    {"fx_on_start", "Efekts ieslēgts pēc palaišanas"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Izeja"},
    {"group_tone", "Tembrs"},
    {"group_tube", "Lampa"},
    {"hint_reset", "Dubultklikšķis uz regulatora to atiestata"},
    // Knob captions.
    {"knob_attack", "Attack"},
    {"knob_bass", "Zemās"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Vidējās"},
    {"knob_mix", "Mix"},
    {"knob_output", "Izeja"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Augstās"},
    {"language", "Valoda"},
    {"language_auto", "Automātiski (sistēmas)"},
    {"limiter", "Limiters"},
    {"on_top", "Kompaktais skats vienmēr virspusē"},
    {"power_off", "Izsl."},
    {"power_on", "Iesl."},
    // Presets and the save dialog.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Pielāgots"},
    {"preset_default_name", "Mans priekšiestatījums %d"},
    {"preset_fat", "Trekns"},
    {"preset_full",
     "Saglabāti 100 priekšiestatījumi: pirms jauna saglabāšanas izdzēsiet kādu no tiem."},
    {"preset_gentle", "Maigs"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "mainīts"},
    {"preset_name", "Nosaukums"},
    {"preset_neutral", "Neitrāls"},
    {"preset_night", "Nakts režīms"},
    {"preset_overwrite",
     "Priekšiestatījums ar šādu nosaukumu jau pastāv un tiks aizstāts."},
    {"preset_radio", "Vecs radio"},
    {"preset_reserved", "Šis nosaukums pieder iebūvētam priekšiestatījumam."},
    {"preset_shine", "Spīdums"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Balss"},
    {"preset_warm", "Silts"},
    {"presets_builtin", "Iebūvētie"},
    {"presets_user", "Mani priekšiestatījumi"},
    {"remove_filter", "Noņemt sistēmas filtru"},
    {"remove_filter_hint",
     "Noņem visas sistēmas audio filtru, ko instalēja Velmora. Pēc tam skaņa tiks atskaņota "
     "bez efekta, līdz filtru atkal iestatīsiet."},
    {"save", "Saglabāt"},
    {"save_preset", "Saglabāt priekšiestatījumu"},
    {"settings", "Iestatījumi"},
    // Status line.
    {"status_active", "Aktīvs: visa sistēmas skaņa plūst caur Velmoru"},
    {"status_bypass", "Apiets: efekts ir izslēgts"},
    {"status_chained", "Aktīvs ķēdē ar citu efektu"},
    {"status_connecting", "Notiek savienošana ar skaņas serveri…"},
    {"status_no_server", "Skaņas serveris nav atrasts; mēģina vēlreiz…"},
    {"status_other_instance", "Velmora jau darbojas citur; šī kopija paliek dīkstāvē"},
    {"status_select_output",
     "Lai dzirdētu efektu, skaņas iestatījumos kā izvades ierīci izvēlieties „Velmora”"},
    {"status_setup_needed", "Nepieciešama vienreizēja audio iestatīšana"},
    {"theme_dark", "Tumšs"},
    {"theme_light", "Gaišs"},
    {"third_party", "Trešo pušu programmatūra"},
    // Rack units and meter modes.
    {"unit_comp", "Kompresors"},
    {"unit_tube", "Lampu priekšpastiprinātājs"},
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kLv = {"lv", "Latviešu", false, kEntries};

}  // namespace i18n::lang
