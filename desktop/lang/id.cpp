// Indonesian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Velmora mengubah suara semua yang diputar oleh komputer Anda. Jaga volume "
     "pada tingkat yang nyaman: efek ini dapat membuat audio lebih keras. Perangkat "
     "lunak ini disediakan apa adanya, tanpa jaminan apa pun; para pembuatnya tidak "
     "bertanggung jawab atas kerusakan pada pendengaran, speaker, atau data."},
    {"about_disclaimer_title", "Penafian"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Laporkan masalah:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "Kehangatan tabung dan kompresi studio untuk semua yang diputar komputer Anda."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Versi %s (Build %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Tampilan"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Mulai saat saya masuk"},
    // Buttons.
    {"cancel", "Batal"},
    {"close", "Tutup"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Lembut"},
    {"cpreset_level", "Perata Level"},
    {"cpreset_parallel", "Paralel"},
    {"cpreset_peaks", "Penangkap Puncak"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vokal"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Buang"},
    {"crash_send", "Kirim laporan"},
    {"crash_text",
     "Velmora berhenti secara tak terduga saat terakhir kali dijalankan, dan suara "
     "Anda telah dikembalikan seperti semula. Laporan error singkat telah disimpan. "
     "Apakah Anda ingin mengirimkannya kepada kami melalui email? Laporan ini tidak "
     "berisi audio maupun file pribadi, dan membantu kami memperbaiki masalahnya."},
    {"crash_title", "Velmora berhenti secara tak terduga"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Kurva"},
    {"curve_in", "Input"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Perangkat output"},
    {"device_follow", "Bawaan sistem"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "Perangkat yang dipilih tidak ditemukan"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Efek aktif saat mulai"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Mix"},
    {"group_output", "Output"},
    {"group_tone", "Nada"},
    {"group_tube", "Tabung"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "Klik ganda kenop untuk mengatur ulang"},
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
    {"language_auto", "Otomatis (sistem)"},
    // Switch of the output limiter.
    {"limiter", "Limiter"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Tampilan ringkas selalu di atas"},
    // Power button of a unit and of the whole effect.
    {"power_off", "Mati"},
    {"power_on", "Nyala"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Kustom"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "Preset saya %d"},
    {"preset_fat", "Tebal"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full",
     "Sudah ada 100 preset tersimpan: hapus salah satu sebelum menyimpan yang baru."},
    {"preset_gentle", "Lembut"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "diubah"},
    // Save dialog: label of the name field.
    {"preset_name", "Nama"},
    {"preset_neutral", "Netral"},
    {"preset_night", "Mode Malam"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "Preset dengan nama ini sudah ada dan akan diganti."},
    {"preset_radio", "Radio Lawas"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "Nama ini dipakai oleh preset bawaan."},
    {"preset_shine", "Kilau"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Suara"},
    {"preset_warm", "Hangat"},
    // Preset menu section headers.
    {"presets_builtin", "Bawaan"},
    {"presets_user", "Preset saya"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Hapus filter sistem"},
    {"remove_filter_hint",
     "Menghapus filter audio tingkat sistem yang dipasang oleh Velmora. Setelah "
     "itu, suara Anda akan diputar tanpa efek sampai Anda memasang filter itu lagi."},
    {"save", "Simpan"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "Simpan preset"},
    // Title of the settings page and its button.
    {"settings", "Pengaturan"},
    // Status line in the footer.
    {"status_active", "Aktif: semua suara sistem melewati Velmora"},
    {"status_bypass", "Bypass: efek dimatikan"},
    {"status_chained", "Aktif dalam rantai bersama efek lain"},
    {"status_connecting", "Menghubungkan ke server suara…"},
    {"status_no_server", "Server suara tidak ditemukan; mencoba lagi…"},
    {"status_other_instance",
     "Velmora sudah berjalan di tempat lain; salinan ini tetap tidak aktif"},
    {"status_select_output",
     "Pilih “Velmora” sebagai perangkat output di pengaturan suara Anda untuk "
     "mendengar efeknya"},
    {"status_setup_needed", "Diperlukan penyiapan audio satu kali"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Gelap"},
    {"theme_light", "Terang"},
    // About box: heading of the third-party notices.
    {"third_party", "Perangkat lunak pihak ketiga"},
    // Names of the two rack units.
    {"unit_comp", "Kompresor"},
    {"unit_tube", "Preamp Tabung"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kId = {"id", "Bahasa Indonesia", false, kEntries};

}  // namespace i18n::lang
