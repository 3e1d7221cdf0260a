// Greek.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Το Velmora αλλάζει τον ήχο όλων όσων αναπαράγει ο υπολογιστής σας. Διατηρείτε "
     "την ένταση σε άνετο επίπεδο: το εφέ μπορεί να κάνει τον ήχο πιο δυνατό. Το "
     "λογισμικό παρέχεται «ως έχει», χωρίς καμία εγγύηση· οι δημιουργοί του δεν "
     "φέρουν ευθύνη για βλάβες στην ακοή, στα ηχεία ή στα δεδομένα."},
    {"about_disclaimer_title", "Αποποίηση ευθύνης"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Αναφορά προβλήματος:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "Ζεστασιά λυχνίας και συμπίεση στούντιο για ό,τι αναπαράγει ο υπολογιστής σας."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Έκδοση %s (δομή %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Εμφάνιση"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Εκκίνηση κατά τη σύνδεσή μου"},
    // Buttons.
    {"cancel", "Ακύρωση"},
    {"close", "Κλείσιμο"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Ήπιο"},
    {"cpreset_level", "Εξομάλυνση στάθμης"},
    {"cpreset_parallel", "Παράλληλη"},
    {"cpreset_peaks", "Έλεγχος κορυφών"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Φωνητικά"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Απόρριψη"},
    {"crash_send", "Αποστολή αναφοράς"},
    {"crash_text",
     "Το Velmora τερματίστηκε απροσδόκητα την τελευταία φορά που εκτελέστηκε και ο "
     "ήχος σας επανήλθε όπως ήταν. Αποθηκεύτηκε μια σύντομη αναφορά σφάλματος. "
     "Θέλετε να μας τη στείλετε με email; Δεν περιέχει ήχο ούτε προσωπικά αρχεία "
     "και μας βοηθά να διορθώσουμε το πρόβλημα."},
    {"crash_title", "Το Velmora τερματίστηκε απροσδόκητα"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Καμπύλη"},
    {"curve_in", "Είσοδος"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Συσκευή εξόδου"},
    {"device_follow", "Προεπιλογή συστήματος"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "Η επιλεγμένη συσκευή δεν βρέθηκε"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Ενεργό εφέ κατά την εκκίνηση"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Μίξη"},
    {"group_output", "Έξοδος"},
    {"group_tone", "Τόνος"},
    {"group_tube", "Λυχνία"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "Κάντε διπλό κλικ σε ένα ρυθμιστικό για επαναφορά"},
    // Knob captions (about 12 characters; engineers' terms where they exist).
    {"knob_attack", "Attack"},
    {"knob_bass", "Μπάσα"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Μεσαία"},
    {"knob_mix", "Mix"},
    {"knob_output", "Έξοδος"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Πρίμα"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "Γλώσσα"},
    {"language_auto", "Αυτόματα (γλώσσα συστήματος)"},
    // Switch of the output limiter.
    {"limiter", "Περιοριστής"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Συμπτυγμένη προβολή πάντα σε πρώτο πλάνο"},
    // Power button of a unit and of the whole effect.
    {"power_off", "Ανενεργό"},
    {"power_on", "Ενεργό"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Προσαρμοσμένο"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "Η προρύθμισή μου %d"},
    {"preset_fat", "Γεμάτο"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full",
     "Υπάρχουν ήδη 100 αποθηκευμένες προρυθμίσεις: διαγράψτε μία πριν αποθηκεύσετε "
     "νέα."},
    {"preset_gentle", "Ήπιο"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "τροποποιημένο"},
    // Save dialog: label of the name field.
    {"preset_name", "Όνομα"},
    {"preset_neutral", "Ουδέτερο"},
    {"preset_night", "Νυχτερινή λειτουργία"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "Υπάρχει ήδη προρύθμιση με αυτό το όνομα και θα αντικατασταθεί."},
    {"preset_radio", "Παλιό ραδιόφωνο"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "Αυτό το όνομα ανήκει σε ενσωματωμένη προρύθμιση."},
    {"preset_shine", "Λάμψη"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Ομιλία"},
    {"preset_warm", "Ζεστό"},
    // Preset menu section headers.
    {"presets_builtin", "Ενσωματωμένες"},
    {"presets_user", "Οι προρυθμίσεις μου"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Αφαίρεση φίλτρου συστήματος"},
    {"remove_filter_hint",
     "Αφαιρεί το φίλτρο ήχου που εγκατέστησε το Velmora σε όλο το σύστημα. Στη "
     "συνέχεια ο ήχος σας αναπαράγεται χωρίς το εφέ, μέχρι να εγκαταστήσετε ξανά το "
     "φίλτρο."},
    {"save", "Αποθήκευση"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "Αποθήκευση προρύθμισης"},
    // Title of the settings page and its button.
    {"settings", "Ρυθμίσεις"},
    // Status line in the footer.
    {"status_active", "Ενεργό: όλος ο ήχος του συστήματος περνά από το Velmora"},
    {"status_bypass", "Παράκαμψη: το εφέ είναι απενεργοποιημένο"},
    {"status_chained", "Ενεργό σε αλυσίδα με άλλο εφέ"},
    {"status_connecting", "Σύνδεση με τον διακομιστή ήχου…"},
    {"status_no_server", "Δεν βρέθηκε διακομιστής ήχου· νέα προσπάθεια…"},
    {"status_other_instance",
     "Το Velmora εκτελείται ήδη αλλού· αυτό το αντίγραφο παραμένει ανενεργό"},
    {"status_select_output",
     "Επιλέξτε «Velmora» ως συσκευή εξόδου στις ρυθμίσεις ήχου για να ακούσετε το "
     "εφέ"},
    {"status_setup_needed", "Απαιτείται εφάπαξ ρύθμιση ήχου"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Σκούρο"},
    {"theme_light", "Ανοιχτό"},
    // About box: heading of the third-party notices.
    {"third_party", "Λογισμικό τρίτων"},
    // Names of the two rack units.
    {"unit_comp", "Συμπιεστής"},
    {"unit_tube", "Προενισχυτής λυχνίας"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "Είσ."},
    {"vu_out", "Έξ."},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kEl = {"el", "Ελληνικά", false, kEntries};

}  // namespace i18n::lang
