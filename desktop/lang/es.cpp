// Spanish.
// Formal address ("usted") and region-neutral wording ("equipo" for the
// computer), so the same text serves Spain and Latin America.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora cambia el sonido de todo lo que reproduce su equipo. Mantenga el volumen en un "
     "nivel cómodo: el efecto puede hacer que el audio suene más fuerte. El software se "
     "proporciona tal cual, sin garantía de ningún tipo; los autores no se hacen responsables "
     "de daños en la audición, los altavoces o los datos."},
    {"about_disclaimer_title", "Aviso legal"},
    {"about_report_bug", "Notificar un problema:"},
    {"about_tagline",
     "Calidez de válvulas y compresión de estudio para todo lo que reproduce su equipo."},
    {"about_version", "Versión %s (compilación %s)"},
    // Settings page.
    {"appearance", "Apariencia"},
    {"autostart", "Abrir al iniciar sesión"},
    // Buttons.
    {"cancel", "Cancelar"},
    {"close", "Cerrar"},
    // Compressor presets.
    {"cpreset_gentle", "Suave"},
    {"cpreset_level", "Nivelador"},
    {"cpreset_parallel", "Paralelo"},
    {"cpreset_peaks", "Control de picos"},
    {"cpreset_punch", "Pegada"},
    {"cpreset_vocal", "Voces"},
    // Crash note.
    {"crash_discard", "Descartar"},
    {"crash_send", "Enviar informe"},
    {"crash_text",
     "Velmora se cerró inesperadamente la última vez que se ejecutó, y el sonido se "
     "restableció como estaba. Se guardó un breve informe de errores. ¿Desea enviárnoslo por "
     "correo electrónico? No contiene audio ni archivos personales, y nos ayuda a solucionar "
     "el problema."},
    {"crash_title", "Velmora se cerró inesperadamente"},
    // Compressor graph.
    {"curve", "Curva"},
    {"curve_in", "Entrada"},
    // Settings page: output device.
    {"device", "Dispositivo de salida"},
    {"device_follow", "Predeterminado del sistema"},
    {"err_no_device", "No se encontró el dispositivo elegido"},
    {"fx_on_start", "Efecto activo al iniciar"},
    // Group captions.
    {"group_mix", "Mezcla"},
    {"group_output", "Salida"},
    {"group_tone", "Tono"},
    {"group_tube", "Válvula"},
    {"hint_reset", "Haga doble clic en un control para restablecerlo"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Graves"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Medios"},
    {"knob_mix", "Mix"},
    {"knob_output", "Salida"},
    {"knob_presence", "Presencia"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Agudos"},
    // Settings page: language.
    {"language", "Idioma"},
    {"language_auto", "Automático (sistema)"},
    {"limiter", "Limitador"},
    {"on_top", "Vista compacta siempre visible"},
    // Power buttons: state words short enough for the compact view's button
    // ("Encendido" does not fit).
    {"power_off", "Inactivo"},
    {"power_on", "Activo"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Personalizado"},
    {"preset_default_name", "Mi preajuste %d"},
    {"preset_fat", "Gordo"},
    {"preset_full", "Hay 100 preajustes guardados: elimine uno antes de guardar otro."},
    {"preset_gentle", "Suave"},
    {"preset_glue", "Cohesión"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "modificado"},
    {"preset_name", "Nombre"},
    {"preset_neutral", "Neutro"},
    {"preset_night", "Modo nocturno"},
    {"preset_overwrite", "Ya existe un preajuste con este nombre y se reemplazará."},
    {"preset_radio", "Radio antigua"},
    {"preset_reserved", "Este nombre pertenece a un preajuste integrado."},
    {"preset_shine", "Brillo"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Voz"},
    {"preset_warm", "Cálido"},
    {"presets_builtin", "Integrados"},
    {"presets_user", "Mis preajustes"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Quitar el filtro del sistema"},
    {"remove_filter_hint",
     "Quita el filtro de audio para todo el sistema que instaló Velmora. A partir de ese "
     "momento, el sonido se reproduce sin el efecto hasta que vuelva a configurar el filtro."},
    {"save", "Guardar"},
    {"save_preset", "Guardar preajuste"},
    {"settings", "Configuración"},
    // Status line.
    {"status_active", "Activo: todo el sonido del sistema pasa por Velmora"},
    {"status_bypass", "Bypass: el efecto está desactivado"},
    {"status_chained", "Activo en cadena con otro efecto"},
    {"status_connecting", "Conectando con el servidor de sonido…"},
    {"status_no_server", "No se encontró ningún servidor de sonido; reintentando…"},
    {"status_other_instance",
     "Velmora ya se está ejecutando en otro lugar; esta instancia permanece inactiva"},
    {"status_select_output",
     "Elija «Velmora» como dispositivo de salida en la configuración de sonido para oír el "
     "efecto"},
    {"status_setup_needed", "Se necesita una configuración inicial del audio"},
    // Theme switch.
    {"theme_dark", "Oscuro"},
    {"theme_light", "Claro"},
    {"third_party", "Software de terceros"},
    // Rack units.
    {"unit_comp", "Compresor"},
    {"unit_tube", "Preamp de válvulas"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "Ent"},
    {"vu_out", "Sal"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kEs = {"es", "Español", false, kEntries};

}  // namespace i18n::lang
