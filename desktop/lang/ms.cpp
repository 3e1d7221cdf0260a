// Malay.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Velmora mengubah bunyi semua yang dimainkan oleh komputer anda. Pastikan "
     "kelantangan berada pada tahap yang selesa: kesan ini boleh menjadikan audio "
     "lebih kuat. Perisian ini disediakan seadanya, tanpa sebarang waranti; "
     "pengarangnya tidak bertanggungjawab atas kerosakan pada pendengaran, pembesar "
     "suara atau data."},
    {"about_disclaimer_title", "Penafian"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Laporkan masalah:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "Kehangatan tiub dan mampatan studio untuk semua yang dimainkan oleh komputer "
     "anda."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Versi %s (Binaan %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Penampilan"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Mula apabila saya log masuk"},
    // Buttons.
    {"cancel", "Batal"},
    {"close", "Tutup"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Lembut"},
    {"cpreset_level", "Perata Aras"},
    {"cpreset_parallel", "Selari"},
    {"cpreset_peaks", "Penangkap Puncak"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vokal"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Buang"},
    {"crash_send", "Hantar laporan"},
    {"crash_text",
     "Velmora ditamatkan secara tidak dijangka semasa kali terakhir ia dijalankan, "
     "dan bunyi anda telah dipulihkan seperti asal. Laporan ranap yang ringkas "
     "telah disimpan. Adakah anda ingin menghantarnya kepada kami melalui e-mel? "
     "Laporan ini tidak mengandungi audio atau fail peribadi, dan ia membantu kami "
     "membaiki masalah tersebut."},
    {"crash_title", "Velmora keluar secara tidak dijangka"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Lengkung"},
    {"curve_in", "Input"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Peranti output"},
    {"device_follow", "Lalai sistem"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "Peranti yang dipilih tidak ditemui"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Kesan aktif semasa mula"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Mix"},
    {"group_output", "Output"},
    {"group_tone", "Nada"},
    {"group_tube", "Tiub"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "Dwiklik tombol untuk menetapkannya semula"},
    // Knob captions (about 12 characters; engineers' terms where they exist).
    {"knob_attack", "Attack"},
    {"knob_bass", "Bass"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Mid"},
    {"knob_mix", "Mix"},
    {"knob_output", "Output"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Treble"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "Bahasa"},
    {"language_auto", "Automatik (sistem)"},
    // Switch of the output limiter.
    {"limiter", "Limiter"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Paparan padat sentiasa di atas"},
    // Power button of a unit and of the whole effect.
    {"power_off", "Mati"},
    {"power_on", "Hidup"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Tersuai"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "Pratetap saya %d"},
    {"preset_fat", "Tebal"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full", "100 pratetap telah disimpan: padam satu sebelum menyimpan yang lain."},
    {"preset_gentle", "Lembut"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "diubah suai"},
    // Save dialog: label of the name field.
    {"preset_name", "Nama"},
    {"preset_neutral", "Neutral"},
    {"preset_night", "Mod Malam"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "Pratetap dengan nama ini sudah wujud dan akan digantikan."},
    {"preset_radio", "Radio Lama"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "Nama ini digunakan oleh pratetap terbina dalam."},
    {"preset_shine", "Kilauan"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Suara"},
    {"preset_warm", "Hangat"},
    // Preset menu section headers.
    {"presets_builtin", "Terbina dalam"},
    {"presets_user", "Pratetap saya"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Alih keluar penapis sistem"},
    {"remove_filter_hint",
     "Mengalih keluar penapis audio seluruh sistem yang dipasang oleh Velmora. "
     "Selepas itu, bunyi anda dimainkan tanpa kesan sehingga anda memasang penapis "
     "itu semula."},
    {"save", "Simpan"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "Simpan pratetap"},
    // Title of the settings page and its button.
    {"settings", "Tetapan"},
    // Status line in the footer.
    {"status_active", "Aktif: semua bunyi sistem melalui Velmora"},
    {"status_bypass", "Dipintas: kesan dimatikan"},
    {"status_chained", "Aktif dalam rantaian bersama kesan lain"},
    {"status_connecting", "Menyambung ke pelayan bunyi…"},
    {"status_no_server", "Tiada pelayan bunyi ditemui; mencuba semula…"},
    {"status_other_instance",
     "Velmora sudah berjalan di tempat lain; salinan ini kekal melahu"},
    {"status_select_output",
     "Pilih “Velmora” sebagai peranti output dalam tetapan bunyi anda untuk "
     "mendengar kesannya"},
    {"status_setup_needed", "Persediaan audio sekali sahaja diperlukan"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Gelap"},
    {"theme_light", "Cerah"},
    // About box: heading of the third-party notices.
    {"third_party", "Perisian pihak ketiga"},
    // Names of the two rack units.
    {"unit_comp", "Pemampat"},
    {"unit_tube", "Prapenguat Tiub"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kMs = {"ms", "Bahasa Melayu", false, kEntries};

}  // namespace i18n::lang
