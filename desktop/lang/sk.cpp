// Slovak.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora mení zvuk všetkého, čo váš počítač prehráva. Udržujte hlasitosť na príjemnej "
     "úrovni: efekt môže zvuk zosilniť. Softvér sa poskytuje tak, ako je, bez akejkoľvek "
     "záruky; autori nezodpovedajú za poškodenie sluchu, reproduktorov ani údajov."},
    {"about_disclaimer_title", "Upozornenie"},
    {"about_report_bug", "Nahlásiť problém:"},
    {"about_tagline",
     "Hrejivosť elektrónok a štúdiová kompresia pre všetko, čo váš počítač prehráva."},
    {"about_version", "Verzia %s (zostava %s)"},
    // Settings page.
    {"appearance", "Vzhľad"},
    {"autostart", "Spustiť po prihlásení"},
    // Buttons.
    {"cancel", "Zrušiť"},
    {"close", "Zavrieť"},
    // Compressor presets.
    {"cpreset_gentle", "Jemná"},
    {"cpreset_level", "Vyrovnanie"},
    {"cpreset_parallel", "Paralelná"},
    {"cpreset_peaks", "Lapač špičiek"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Spev"},
    // Crash note.
    {"crash_discard", "Zahodiť"},
    {"crash_send", "Odoslať hlásenie"},
    {"crash_text",
     "Pri poslednom spustení sa Velmora neočakávane ukončila a zvuk sa vrátil do pôvodného "
     "stavu. Uložilo sa krátke hlásenie o páde. Chcete nám ho poslať e-mailom? Neobsahuje "
     "žiadny zvuk ani osobné súbory a pomôže nám problém opraviť."},
    {"crash_title", "Velmora sa neočakávane ukončila"},
    // Compressor graph.
    {"curve", "Krivka"},
    {"curve_in", "Vstup"},
    // Settings page.
    {"device", "Výstupné zariadenie"},
    {"device_follow", "Predvolené v systéme"},
    {"err_no_device", "Zvolené zariadenie sa nenašlo"},
    {"fx_on_start", "Efekt zapnutý po spustení"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Výstup"},
    {"group_tone", "Korekcie"},
    {"group_tube", "Elektrónka"},
    {"hint_reset", "Dvojklikom na gombík ho resetujete"},
    // Knob captions.
    {"knob_attack", "Attack"},
    {"knob_bass", "Basy"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Stredy"},
    {"knob_mix", "Mix"},
    {"knob_output", "Výstup"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Výšky"},
    {"language", "Jazyk"},
    {"language_auto", "Automaticky (podľa systému)"},
    {"limiter", "Limiter"},
    {"on_top", "Kompaktné zobrazenie vždy navrchu"},
    {"power_off", "Vyp."},
    {"power_on", "Zap."},
    // Presets and the save dialog.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Vlastné"},
    {"preset_default_name", "Môj preset %d"},
    {"preset_fat", "Hutný"},
    {"preset_full", "Je uložených 100 presetov: pred uložením ďalšieho jeden odstráňte."},
    {"preset_gentle", "Jemný"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "upravené"},
    {"preset_name", "Názov"},
    {"preset_neutral", "Neutrálny"},
    {"preset_night", "Nočný režim"},
    {"preset_overwrite", "Preset s týmto názvom už existuje a bude nahradený."},
    {"preset_radio", "Staré rádio"},
    {"preset_reserved", "Tento názov patrí vstavanému presetu."},
    {"preset_shine", "Lesk"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Hlas"},
    {"preset_warm", "Teplý"},
    {"presets_builtin", "Vstavané"},
    {"presets_user", "Moje presety"},
    {"remove_filter", "Odstrániť systémový filter"},
    {"remove_filter_hint",
     "Odstráni celosystémový zvukový filter, ktorý nainštalovala Velmora. Zvuk sa potom bude "
     "prehrávať bez efektu, kým filter znova nenastavíte."},
    {"save", "Uložiť"},
    {"save_preset", "Uložiť preset"},
    {"settings", "Nastavenia"},
    // Status line.
    {"status_active", "Aktívne: všetok zvuk systému prechádza aplikáciou Velmora"},
    {"status_bypass", "Bypass: efekt je vypnutý"},
    {"status_chained", "Aktívne v reťazci s iným efektom"},
    {"status_connecting", "Pripája sa k zvukovému serveru…"},
    {"status_no_server", "Zvukový server sa nenašiel; skúša sa znova…"},
    {"status_other_instance", "Velmora už beží inde; táto kópia zostáva nečinná"},
    {"status_select_output",
     "Ak chcete počuť efekt, v nastaveniach zvuku vyberte ako výstupné zariadenie „Velmora“"},
    {"status_setup_needed", "Vyžaduje sa jednorazové nastavenie zvuku"},
    {"theme_dark", "Tmavý"},
    {"theme_light", "Svetlý"},
    {"third_party", "Softvér tretích strán"},
    // Rack units and meter modes.
    {"unit_comp", "Kompresor"},
    {"unit_tube", "Elektrónkový predzosilňovač"},
    {"vu_gr", "GR"},
    {"vu_in", "Vst"},
    {"vu_out", "Výst"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kSk = {"sk", "Slovenčina", false, kEntries};

}  // namespace i18n::lang
