// Italian.
// Informal address ("tu"), as in current Italian desktop software.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora modifica il suono di tutto ciò che il computer riproduce. Mantieni il volume a "
     "un livello confortevole: l’effetto può rendere l’audio più forte. Il software è fornito "
     "così com’è, senza alcuna garanzia; gli autori non sono responsabili di danni all’udito, "
     "agli altoparlanti o ai dati."},
    {"about_disclaimer_title", "Esclusione di responsabilità"},
    {"about_report_bug", "Segnala un problema:"},
    {"about_tagline",
     "Calore valvolare e compressione da studio per tutto ciò che il computer riproduce."},
    {"about_version", "Versione %s (build %s)"},
    // Settings page.
    {"appearance", "Aspetto"},
    {"autostart", "Avvia all’accesso"},
    // Buttons.
    {"cancel", "Annulla"},
    {"close", "Chiudi"},
    // Compressor presets.
    {"cpreset_gentle", "Delicato"},
    {"cpreset_level", "Livellatore"},
    {"cpreset_parallel", "Parallelo"},
    {"cpreset_peaks", "Controllo picchi"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Voce"},
    // Crash note.
    {"crash_discard", "Scarta"},
    {"crash_send", "Invia segnalazione"},
    {"crash_text",
     "Velmora si è chiuso in modo imprevisto durante l’ultima esecuzione e l’audio è stato "
     "ripristinato com’era. È stato salvato un breve rapporto sull’arresto anomalo. Vuoi "
     "inviarcelo via e-mail? Non contiene audio né file personali e ci aiuta a risolvere il "
     "problema."},
    {"crash_title", "Velmora si è chiuso in modo imprevisto"},
    // Compressor graph.
    {"curve", "Curva"},
    {"curve_in", "Ingresso"},
    // Settings page: output device.
    {"device", "Dispositivo di uscita"},
    {"device_follow", "Predefinito di sistema"},
    {"err_no_device", "Dispositivo scelto non trovato"},
    {"fx_on_start", "Effetto attivo all’avvio"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Uscita"},
    {"group_tone", "Tono"},
    {"group_tube", "Valvola"},
    {"hint_reset", "Fai doppio clic su una manopola per reimpostarla"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Bassi"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Medi"},
    {"knob_mix", "Mix"},
    {"knob_output", "Uscita"},
    {"knob_presence", "Presenza"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Alti"},
    // Settings page: language.
    {"language", "Lingua"},
    {"language_auto", "Automatica (sistema)"},
    {"limiter", "Limiter"},
    {"on_top", "Vista compatta sempre in primo piano"},
    // Power buttons.
    {"power_off", "Spento"},
    {"power_on", "Acceso"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Personalizzato"},
    {"preset_default_name", "Il mio preset %d"},
    {"preset_fat", "Corposo"},
    {"preset_full", "100 preset salvati: eliminane uno prima di salvarne un altro."},
    {"preset_gentle", "Delicato"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "modificato"},
    {"preset_name", "Nome"},
    {"preset_neutral", "Neutro"},
    {"preset_night", "Modalità notte"},
    {"preset_overwrite", "Esiste già un preset con questo nome e verrà sostituito."},
    {"preset_radio", "Vecchia radio"},
    {"preset_reserved", "Questo nome appartiene a un preset integrato."},
    {"preset_shine", "Brillante"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Voce"},
    {"preset_warm", "Caldo"},
    {"presets_builtin", "Integrati"},
    {"presets_user", "I miei preset"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Rimuovi filtro di sistema"},
    {"remove_filter_hint",
     "Rimuove il filtro audio di sistema installato da Velmora. L’audio verrà quindi "
     "riprodotto senza l’effetto finché non configurerai di nuovo il filtro."},
    {"save", "Salva"},
    {"save_preset", "Salva preset"},
    {"settings", "Impostazioni"},
    // Status line.
    {"status_active", "Attivo: tutto l’audio di sistema passa attraverso Velmora"},
    {"status_bypass", "Bypass: l’effetto è disattivato"},
    {"status_chained", "Attivo in catena con un altro effetto"},
    {"status_connecting", "Connessione al server audio…"},
    {"status_no_server", "Nessun server audio trovato; nuovo tentativo…"},
    {"status_other_instance",
     "Velmora è già in esecuzione altrove; questa istanza resta inattiva"},
    {"status_select_output",
     "Scegli «Velmora» come dispositivo di uscita nelle impostazioni audio per sentire "
     "l’effetto"},
    {"status_setup_needed", "È necessaria una configurazione audio iniziale"},
    // Theme switch.
    {"theme_dark", "Scuro"},
    {"theme_light", "Chiaro"},
    {"third_party", "Software di terze parti"},
    // Rack units.
    {"unit_comp", "Compressore"},
    {"unit_tube", "Preamp valvolare"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kIt = {"it", "Italiano", false, kEntries};

}  // namespace i18n::lang
