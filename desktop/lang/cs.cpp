// Czech.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora mění zvuk všeho, co váš počítač přehrává. Udržujte hlasitost na příjemné "
     "úrovni: efekt může zvuk zesílit. Software je poskytován tak, jak je, bez jakékoli "
     "záruky; autoři neodpovídají za poškození sluchu, reproduktorů ani dat."},
    {"about_disclaimer_title", "Upozornění"},
    {"about_report_bug", "Nahlásit problém:"},
    {"about_tagline",
     "Hřejivost elektronek a studiová komprese pro vše, co váš počítač přehrává."},
    {"about_version", "Verze %s (sestavení %s)"},
    // Settings page.
    {"appearance", "Vzhled"},
    {"autostart", "Spustit po přihlášení"},
    // Buttons.
    {"cancel", "Zrušit"},
    {"close", "Zavřít"},
    // Compressor presets.
    {"cpreset_gentle", "Jemná"},
    {"cpreset_level", "Vyrovnání"},
    {"cpreset_parallel", "Paralelní"},
    {"cpreset_peaks", "Lapač špiček"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Zpěv"},
    // Crash note.
    {"crash_discard", "Zahodit"},
    {"crash_send", "Odeslat hlášení"},
    {"crash_text",
     "Při posledním spuštění se Velmora neočekávaně ukončila a zvuk byl vrácen do původního "
     "stavu. Bylo uloženo krátké hlášení o pádu. Chcete nám ho poslat e-mailem? Neobsahuje "
     "žádný zvuk ani osobní soubory a pomůže nám problém opravit."},
    {"crash_title", "Velmora byla neočekávaně ukončena"},
    // Compressor graph.
    {"curve", "Křivka"},
    {"curve_in", "Vstup"},
    // Settings page.
    {"device", "Výstupní zařízení"},
    {"device_follow", "Výchozí systémové"},
    {"err_no_device", "Zvolené zařízení nebylo nalezeno"},
    {"fx_on_start", "Efekt zapnutý po spuštění"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Výstup"},
    {"group_tone", "Korekce"},
    {"group_tube", "Elektronka"},
    {"hint_reset", "Dvojklikem na knoflík jej resetujete"},
    // Knob captions.
    {"knob_attack", "Attack"},
    {"knob_bass", "Basy"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Středy"},
    {"knob_mix", "Mix"},
    {"knob_output", "Výstup"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Výšky"},
    {"language", "Jazyk"},
    {"language_auto", "Automaticky (podle systému)"},
    {"limiter", "Limiter"},
    {"on_top", "Kompaktní zobrazení vždy navrchu"},
    {"power_off", "Vyp."},
    {"power_on", "Zap."},
    // Presets and the save dialog.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Vlastní"},
    {"preset_default_name", "Můj preset %d"},
    {"preset_fat", "Hutný"},
    {"preset_full", "Je uloženo 100 presetů: před uložením dalšího jeden smažte."},
    {"preset_gentle", "Jemný"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "upraveno"},
    {"preset_name", "Název"},
    {"preset_neutral", "Neutrální"},
    {"preset_night", "Noční režim"},
    {"preset_overwrite", "Preset s tímto názvem již existuje a bude nahrazen."},
    {"preset_radio", "Staré rádio"},
    {"preset_reserved", "Tento název patří vestavěnému presetu."},
    {"preset_shine", "Lesk"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Hlas"},
    {"preset_warm", "Teplý"},
    {"presets_builtin", "Vestavěné"},
    {"presets_user", "Moje presety"},
    {"remove_filter", "Odebrat systémový filtr"},
    {"remove_filter_hint",
     "Odebere celosystémový zvukový filtr, který nainstalovala Velmora. Zvuk se pak bude "
     "přehrávat bez efektu, dokud filtr znovu nenastavíte."},
    {"save", "Uložit"},
    {"save_preset", "Uložit preset"},
    {"settings", "Nastavení"},
    // Status line.
    {"status_active", "Aktivní: veškerý zvuk systému prochází aplikací Velmora"},
    {"status_bypass", "Bypass: efekt je vypnutý"},
    {"status_chained", "Aktivní v řetězci s jiným efektem"},
    {"status_connecting", "Připojování ke zvukovému serveru…"},
    {"status_no_server", "Zvukový server nebyl nalezen; nový pokus…"},
    {"status_other_instance", "Velmora už běží jinde; tato kopie zůstává nečinná"},
    {"status_select_output",
     "Chcete-li slyšet efekt, zvolte v nastavení zvuku jako výstupní zařízení „Velmora“"},
    {"status_setup_needed", "Je potřeba jednorázové nastavení zvuku"},
    {"theme_dark", "Tmavý"},
    {"theme_light", "Světlý"},
    {"third_party", "Software třetích stran"},
    // Rack units and meter modes.
    {"unit_comp", "Kompresor"},
    {"unit_tube", "Elektronkový předzesilovač"},
    {"vu_gr", "GR"},
    {"vu_in", "Vst"},
    {"vu_out", "Výst"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kCs = {"cs", "Čeština", false, kEntries};

}  // namespace i18n::lang
