// Catalan.
// Commands in the imperative ("Desa", "Tanca") and messages addressing the user
// with "vós", as in Catalan desktop software.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora canvia el so de tot el que reprodueix l’ordinador. Mantingueu el volum a un "
     "nivell còmode: l’efecte pot fer que l’àudio soni més fort. El programari es proporciona "
     "tal com és, sense cap mena de garantia; els autors no es fan responsables de danys a "
     "l’oïda, als altaveus o a les dades."},
    {"about_disclaimer_title", "Avís legal"},
    {"about_report_bug", "Informeu d’un problema:"},
    {"about_tagline",
     "Calidesa de vàlvules i compressió d’estudi per a tot el que reprodueix l’ordinador."},
    {"about_version", "Versió %s (compilació %s)"},
    // Settings page.
    {"appearance", "Aparença"},
    {"autostart", "Obre en iniciar la sessió"},
    // Buttons.
    {"cancel", "Cancel·la"},
    {"close", "Tanca"},
    // Compressor presets.
    {"cpreset_gentle", "Suau"},
    {"cpreset_level", "Anivellador"},
    {"cpreset_parallel", "Paral·lel"},
    {"cpreset_peaks", "Control de pics"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Veus"},
    // Crash note.
    {"crash_discard", "Descarta"},
    {"crash_send", "Envia l’informe"},
    {"crash_text",
     "Velmora es va tancar inesperadament l’última vegada que es va executar, i el so s’ha "
     "restablert tal com estava. S’ha desat un breu informe d’error. Voleu enviar-nos-el per "
     "correu electrònic? No conté àudio ni fitxers personals, i ens ajuda a solucionar el "
     "problema."},
    {"crash_title", "Velmora s’ha tancat inesperadament"},
    // Compressor graph.
    {"curve", "Corba"},
    {"curve_in", "Entrada"},
    // Settings page: output device.
    {"device", "Dispositiu de sortida"},
    {"device_follow", "Predeterminat del sistema"},
    {"err_no_device", "No s’ha trobat el dispositiu triat"},
    {"fx_on_start", "Efecte actiu en iniciar"},
    // Group captions.
    {"group_mix", "Mescla"},
    {"group_output", "Sortida"},
    {"group_tone", "To"},
    {"group_tube", "Vàlvula"},
    {"hint_reset", "Feu doble clic en un control per restablir-lo"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Greus"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Mitjans"},
    {"knob_mix", "Mix"},
    {"knob_output", "Sortida"},
    {"knob_presence", "Presència"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Aguts"},
    // Settings page: language.
    {"language", "Llengua"},
    {"language_auto", "Automàtica (sistema)"},
    {"limiter", "Limitador"},
    {"on_top", "Vista compacta sempre al davant"},
    // Power buttons.
    {"power_off", "Apagat"},
    {"power_on", "Encès"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Personalitzat"},
    {"preset_default_name", "El meu preajust %d"},
    {"preset_fat", "Gruixut"},
    {"preset_full", "Hi ha 100 preajustos desats: suprimiu-ne un abans de desar-ne un altre."},
    {"preset_gentle", "Suau"},
    {"preset_glue", "Cohesió"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "modificat"},
    {"preset_name", "Nom"},
    {"preset_neutral", "Neutre"},
    {"preset_night", "Mode nocturn"},
    {"preset_overwrite", "Ja existeix un preajust amb aquest nom i se substituirà."},
    {"preset_radio", "Ràdio antiga"},
    {"preset_reserved", "Aquest nom pertany a un preajust integrat."},
    {"preset_shine", "Brillantor"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Veu"},
    {"preset_warm", "Càlid"},
    {"presets_builtin", "Integrats"},
    {"presets_user", "Els meus preajustos"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Elimina el filtre del sistema"},
    {"remove_filter_hint",
     "Elimina el filtre d’àudio de tot el sistema que va instal·lar Velmora. Aleshores el so "
     "es reprodueix sense l’efecte fins que torneu a configurar el filtre."},
    {"save", "Desa"},
    {"save_preset", "Desa el preajust"},
    {"settings", "Configuració"},
    // Status line.
    {"status_active", "Actiu: tot el so del sistema passa per Velmora"},
    {"status_bypass", "Bypass: l’efecte està desactivat"},
    {"status_chained", "Actiu en cadena amb un altre efecte"},
    {"status_connecting", "S’està connectant al servidor de so…"},
    {"status_no_server", "No s’ha trobat cap servidor de so; s’està tornant a provar…"},
    {"status_other_instance",
     "Velmora ja s’està executant en un altre lloc; aquesta instància queda inactiva"},
    {"status_select_output",
     "Trieu «Velmora» com a dispositiu de sortida a la configuració del so per sentir "
     "l’efecte"},
    {"status_setup_needed", "Cal una configuració inicial de l’àudio"},
    // Theme switch.
    {"theme_dark", "Fosc"},
    {"theme_light", "Clar"},
    {"third_party", "Programari de tercers"},
    // Rack units.
    {"unit_comp", "Compressor"},
    {"unit_tube", "Preamp de vàlvules"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "Ent"},
    {"vu_out", "Sort"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kCa = {"ca", "Català", false, kEntries};

}  // namespace i18n::lang
