// French.
// Formal address ("vous"); a no-break space (\u00a0) goes before ":", ";", "?" and
// inside « », as French typography wants.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora modifie le son de tout ce que diffuse votre ordinateur. Gardez le volume à un "
     "niveau confortable\u00a0: l’effet peut rendre le son plus fort. Le logiciel est fourni "
     "tel quel, sans aucune garantie\u00a0; les auteurs ne sauraient être tenus responsables "
     "des dommages causés à l’audition, aux haut-parleurs ou aux données."},
    {"about_disclaimer_title", "Avertissement"},
    {"about_report_bug", "Signaler un problème\u00a0:"},
    {"about_tagline",
     "La chaleur des lampes et la compression de studio pour tout ce que diffuse votre "
     "ordinateur."},
    {"about_version", "Version %s (build %s)"},
    // Settings page.
    {"appearance", "Apparence"},
    {"autostart", "Démarrer à l’ouverture de session"},
    // Buttons.
    {"cancel", "Annuler"},
    {"close", "Fermer"},
    // Compressor presets.
    {"cpreset_gentle", "Doux"},
    {"cpreset_level", "Nivelleur"},
    {"cpreset_parallel", "Parallèle"},
    {"cpreset_peaks", "Attrape-crêtes"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Chant"},
    // Crash note.
    {"crash_discard", "Ignorer"},
    {"crash_send", "Envoyer le rapport"},
    {"crash_text",
     "Velmora s’est arrêté de manière inattendue lors de sa dernière exécution, et votre son "
     "a été rétabli comme avant. Un court rapport d’incident a été enregistré. Voulez-vous "
     "nous l’envoyer par e-mail\u00a0? Il ne contient ni audio ni fichiers personnels, et il "
     "nous aide à corriger le problème."},
    {"crash_title", "Velmora s’est arrêté de manière inattendue"},
    // Compressor graph.
    {"curve", "Courbe"},
    {"curve_in", "Entrée"},
    // Settings page: output device.
    {"device", "Périphérique de sortie"},
    {"device_follow", "Par défaut du système"},
    {"err_no_device", "Périphérique choisi introuvable"},
    {"fx_on_start", "Effet actif au démarrage"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Sortie"},
    {"group_tone", "Tonalité"},
    {"group_tube", "Lampe"},
    {"hint_reset", "Double-cliquez sur un bouton pour le réinitialiser"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Graves"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Médiums"},
    {"knob_mix", "Mix"},
    {"knob_output", "Sortie"},
    {"knob_presence", "Présence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Aigus"},
    // Settings page: language.
    {"language", "Langue"},
    {"language_auto", "Automatique (système)"},
    {"limiter", "Limiteur"},
    {"on_top", "Vue compacte toujours au premier plan"},
    // Power buttons.
    {"power_off", "Arrêt"},
    {"power_on", "Marche"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Personnalisé"},
    {"preset_default_name", "Mon préréglage %d"},
    {"preset_fat", "Gros son"},
    {"preset_full",
     "100\u00a0préréglages enregistrés\u00a0: supprimez-en un avant d’en enregistrer un "
     "autre."},
    {"preset_gentle", "Doux"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "modifié"},
    {"preset_name", "Nom"},
    {"preset_neutral", "Neutre"},
    {"preset_night", "Mode nuit"},
    {"preset_overwrite", "Un préréglage portant ce nom existe déjà et sera remplacé."},
    {"preset_radio", "Vieille radio"},
    {"preset_reserved", "Ce nom appartient à un préréglage intégré."},
    {"preset_shine", "Éclat"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Voix"},
    {"preset_warm", "Chaud"},
    {"presets_builtin", "Intégrés"},
    {"presets_user", "Mes préréglages"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Supprimer le filtre système"},
    {"remove_filter_hint",
     "Supprime le filtre audio que Velmora a installé pour tout le système. Le son est alors "
     "diffusé sans l’effet jusqu’à ce que vous réinstalliez le filtre."},
    {"save", "Enregistrer"},
    {"save_preset", "Enregistrer le préréglage"},
    {"settings", "Paramètres"},
    // Status line.
    {"status_active", "Actif\u00a0: tout le son du système passe par Velmora"},
    {"status_bypass", "Bypass\u00a0: l’effet est désactivé"},
    {"status_chained", "Actif en chaîne avec un autre effet"},
    {"status_connecting", "Connexion au serveur de son…"},
    {"status_no_server", "Aucun serveur de son trouvé\u00a0; nouvelle tentative…"},
    {"status_other_instance",
     "Velmora est déjà en cours d’exécution ailleurs\u00a0; cette instance reste inactive"},
    {"status_select_output",
     "Choisissez «\u00a0Velmora\u00a0» comme périphérique de sortie dans vos paramètres de "
     "son pour entendre l’effet"},
    {"status_setup_needed", "Une configuration audio initiale est nécessaire"},
    // Theme switch.
    {"theme_dark", "Sombre"},
    {"theme_light", "Clair"},
    {"third_party", "Logiciels tiers"},
    // Rack units.
    {"unit_comp", "Compresseur"},
    {"unit_tube", "Préampli à lampes"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kFr = {"fr", "Français", false, kEntries};

}  // namespace i18n::lang
