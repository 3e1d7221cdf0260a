// Romanian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Velmora modifică sunetul a tot ce redă computerul dumneavoastră. Păstrați "
     "volumul la un nivel confortabil: efectul poate face sunetul mai puternic. "
     "Software-ul este furnizat „ca atare”, fără nicio garanție; autorii nu răspund "
     "pentru daunele aduse auzului, difuzoarelor sau datelor."},
    {"about_disclaimer_title", "Declinarea responsabilității"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Raportați o problemă:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "Căldura lămpilor și compresie de studio pentru tot ce redă computerul "
     "dumneavoastră."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Versiunea %s (compilarea %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Aspect"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Pornește la autentificare"},
    // Buttons.
    {"cancel", "Anulează"},
    {"close", "Închide"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Blând"},
    {"cpreset_level", "Nivelator"},
    {"cpreset_parallel", "Paralel"},
    {"cpreset_peaks", "Control vârfuri"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vocal"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Renunță"},
    {"crash_send", "Trimite raportul"},
    {"crash_text",
     "Velmora s-a închis neașteptat ultima dată când a rulat, iar sunetul a fost "
     "readus la starea anterioară. A fost salvat un scurt raport de eroare. Doriți "
     "să ni-l trimiteți prin e-mail? Nu conține înregistrări audio sau fișiere "
     "personale și ne ajută să remediem problema."},
    {"crash_title", "Velmora s-a închis neașteptat"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Curbă"},
    {"curve_in", "Intrare"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Dispozitiv de ieșire"},
    {"device_follow", "Implicit (sistem)"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "Dispozitivul ales nu a fost găsit"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Efect activ la pornire"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Mix"},
    {"group_output", "Ieșire"},
    {"group_tone", "Ton"},
    {"group_tube", "Lampă"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "Faceți dublu clic pe un buton pentru a-l reseta"},
    // Knob captions (about 12 characters; engineers' terms where they exist).
    {"knob_attack", "Attack"},
    {"knob_bass", "Bas"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Medii"},
    {"knob_mix", "Mix"},
    {"knob_output", "Ieșire"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Înalte"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "Limbă"},
    {"language_auto", "Automat (sistem)"},
    // Switch of the output limiter.
    {"limiter", "Limitator"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Vizualizare compactă mereu deasupra"},
    // Power button of a unit and of the whole effect.
    {"power_off", "Oprit"},
    {"power_on", "Pornit"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Personalizat"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "Presetarea mea %d"},
    {"preset_fat", "Plin"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full", "Aveți 100 de presetări salvate: ștergeți una înainte de a salva alta."},
    {"preset_gentle", "Blând"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "modificat"},
    // Save dialog: label of the name field.
    {"preset_name", "Nume"},
    {"preset_neutral", "Neutru"},
    {"preset_night", "Mod noapte"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "Există deja o presetare cu acest nume și va fi înlocuită."},
    {"preset_radio", "Radio vechi"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "Acest nume aparține unei presetări predefinite."},
    {"preset_shine", "Strălucire"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Voce"},
    {"preset_warm", "Cald"},
    // Preset menu section headers.
    {"presets_builtin", "Predefinite"},
    {"presets_user", "Presetările mele"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Elimină filtrul de sistem"},
    {"remove_filter_hint",
     "Elimină filtrul audio la nivel de sistem instalat de Velmora. Sunetul va fi "
     "apoi redat fără efect până când configurați din nou filtrul."},
    {"save", "Salvează"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "Salvează presetarea"},
    // Title of the settings page and its button.
    {"settings", "Setări"},
    // Status line in the footer.
    {"status_active", "Activ: tot sunetul sistemului trece prin Velmora"},
    {"status_bypass", "Bypass: efectul este dezactivat"},
    {"status_chained", "Activ, înlănțuit cu un alt efect"},
    {"status_connecting", "Conectare la serverul de sunet…"},
    {"status_no_server", "Nu s-a găsit niciun server de sunet; se reîncearcă…"},
    {"status_other_instance",
     "Velmora rulează deja în altă parte; această copie rămâne inactivă"},
    {"status_select_output",
     "Alegeți „Velmora” ca dispozitiv de ieșire în setările de sunet pentru a auzi "
     "efectul"},
    {"status_setup_needed", "Este necesară o configurare audio, o singură dată"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Întunecat"},
    {"theme_light", "Luminos"},
    // About box: heading of the third-party notices.
    {"third_party", "Software de la terți"},
    // Names of the two rack units.
    {"unit_comp", "Compresor"},
    {"unit_tube", "Preamplificator cu lămpi"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "Intr"},
    {"vu_out", "Ieș"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kRo = {"ro", "Română", false, kEntries};

}  // namespace i18n::lang
