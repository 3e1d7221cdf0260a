// Dutch.
// Informal address ("je"), as in current Dutch desktop software.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora verandert het geluid van alles wat je computer afspeelt. Houd het volume op een "
     "aangenaam niveau: het effect kan audio luider maken. De software wordt geleverd zoals "
     "hij is, zonder enige garantie; de auteurs zijn niet aansprakelijk voor schade aan "
     "gehoor, luidsprekers of gegevens."},
    {"about_disclaimer_title", "Disclaimer"},
    {"about_report_bug", "Een probleem melden:"},
    {"about_tagline", "Buizenwarmte en studiocompressie voor alles wat je computer afspeelt."},
    {"about_version", "Versie %s (build %s)"},
    // Settings page.
    {"appearance", "Uiterlijk"},
    {"autostart", "Starten wanneer ik inlog"},
    // Buttons.
    {"cancel", "Annuleren"},
    {"close", "Sluiten"},
    // Compressor presets.
    {"cpreset_gentle", "Zacht"},
    {"cpreset_level", "Leveler"},
    {"cpreset_parallel", "Parallel"},
    {"cpreset_peaks", "Piekvanger"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Zang"},
    // Crash note.
    {"crash_discard", "Weggooien"},
    {"crash_send", "Rapport versturen"},
    {"crash_text",
     "Velmora is de vorige keer onverwacht gestopt en je geluid is teruggezet zoals het was. "
     "Er is een kort crashrapport opgeslagen. Wil je het per e-mail naar ons sturen? Het "
     "bevat geen audio en geen persoonlijke bestanden, en het helpt ons het probleem op te "
     "lossen."},
    {"crash_title", "Velmora is onverwacht gestopt"},
    // Compressor graph.
    {"curve", "Curve"},
    {"curve_in", "Ingang"},
    // Settings page: output device.
    {"device", "Uitvoerapparaat"},
    {"device_follow", "Systeemstandaard"},
    {"err_no_device", "Gekozen apparaat niet gevonden"},
    {"fx_on_start", "Effect aan bij het starten"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Uitgang"},
    {"group_tone", "Klank"},
    {"group_tube", "Buis"},
    {"hint_reset", "Dubbelklik op een draaiknop om die terug te zetten"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Laag"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Midden"},
    {"knob_mix", "Mix"},
    {"knob_output", "Uitgang"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Hoog"},
    // Settings page: language.
    {"language", "Taal"},
    {"language_auto", "Automatisch (systeem)"},
    {"limiter", "Limiter"},
    {"on_top", "Compacte weergave altijd bovenop"},
    // Power buttons.
    {"power_off", "Uit"},
    {"power_on", "Aan"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Aangepast"},
    {"preset_default_name", "Mijn preset %d"},
    {"preset_fat", "Vet"},
    {"preset_full",
     "100 presets opgeslagen: verwijder er eerst één voordat je een nieuwe opslaat."},
    {"preset_gentle", "Zacht"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "gewijzigd"},
    {"preset_name", "Naam"},
    {"preset_neutral", "Neutraal"},
    {"preset_night", "Nachtmodus"},
    {"preset_overwrite", "Er bestaat al een preset met deze naam; die wordt vervangen."},
    {"preset_radio", "Oude radio"},
    {"preset_reserved", "Deze naam hoort bij een ingebouwde preset."},
    {"preset_shine", "Glans"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Stem"},
    {"preset_warm", "Warm"},
    {"presets_builtin", "Ingebouwd"},
    {"presets_user", "Mijn presets"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Systeemfilter verwijderen"},
    {"remove_filter_hint",
     "Verwijdert het systeembrede audiofilter dat Velmora heeft geïnstalleerd. Je geluid "
     "speelt dan zonder het effect totdat je het filter opnieuw instelt."},
    {"save", "Opslaan"},
    {"save_preset", "Preset opslaan"},
    {"settings", "Instellingen"},
    // Status line.
    {"status_active", "Actief: al het systeemgeluid loopt via Velmora"},
    {"status_bypass", "Bypass: het effect is uitgeschakeld"},
    {"status_chained", "Actief in een keten met een ander effect"},
    {"status_connecting", "Verbinden met de geluidsserver…"},
    {"status_no_server", "Geen geluidsserver gevonden; opnieuw proberen…"},
    {"status_other_instance", "Velmora draait al ergens anders; deze kopie blijft inactief"},
    {"status_select_output",
     "Kies “Velmora” als uitvoerapparaat in je geluidsinstellingen om het effect te horen"},
    {"status_setup_needed", "Een eenmalige audio-instelling is nodig"},
    // Theme switch.
    {"theme_dark", "Donker"},
    {"theme_light", "Licht"},
    {"third_party", "Software van derden"},
    // Rack units.
    {"unit_comp", "Compressor"},
    {"unit_tube", "Buizenpreamp"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Uit"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kNl = {"nl", "Nederlands", false, kEntries};

}  // namespace i18n::lang
