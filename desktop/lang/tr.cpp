// Turkish.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Velmora, bilgisayarınızın çaldığı her şeyin sesini değiştirir. Ses düzeyini "
     "rahat bir seviyede tutun: efekt sesi yükseltebilir. Yazılım hiçbir garanti "
     "olmaksızın “olduğu gibi” sunulmaktadır; yazarlar işitmede, hoparlörlerde veya "
     "verilerde oluşabilecek hasarlardan sorumlu tutulamaz."},
    {"about_disclaimer_title", "Sorumluluk reddi"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Sorun bildirin:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "Bilgisayarınızın çaldığı her şey için lamba sıcaklığı ve stüdyo kompresyonu."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Sürüm %s (Derleme %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Görünüm"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Oturum açtığımda başlat"},
    // Buttons.
    {"cancel", "İptal"},
    {"close", "Kapat"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Yumuşak"},
    {"cpreset_level", "Seviye Dengeleyici"},
    {"cpreset_parallel", "Paralel"},
    {"cpreset_peaks", "Tepe Yakalayıcı"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vokal"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Yok say"},
    {"crash_send", "Rapor gönder"},
    {"crash_text",
     "Velmora son çalıştığında beklenmedik şekilde kapandı ve ses ayarlarınız eski "
     "hâline getirildi. Kısa bir çökme raporu kaydedildi. Bu raporu bize e-postayla "
     "göndermek ister misiniz? Rapor ses kaydı veya kişisel dosya içermez ve sorunu "
     "gidermemize yardımcı olur."},
    {"crash_title", "Velmora beklenmedik şekilde kapandı"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Eğri"},
    {"curve_in", "Giriş"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Çıkış aygıtı"},
    {"device_follow", "Sistem varsayılanı"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "Seçilen aygıt bulunamadı"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Başlangıçta efekt açık"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Mix"},
    {"group_output", "Çıkış"},
    {"group_tone", "Ton"},
    {"group_tube", "Lamba"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "Sıfırlamak için bir düğmeye çift tıklayın"},
    // Knob captions (about 12 characters; engineers' terms where they exist).
    {"knob_attack", "Attack"},
    {"knob_bass", "Bas"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Orta"},
    {"knob_mix", "Mix"},
    {"knob_output", "Çıkış"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Tiz"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "Dil"},
    {"language_auto", "Otomatik (sistem)"},
    // Switch of the output limiter.
    {"limiter", "Limiter"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Kompakt görünüm her zaman üstte"},
    // Power button of a unit and of the whole effect.
    {"power_off", "Kapalı"},
    {"power_on", "Açık"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Özel"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "Ön ayarım %d"},
    {"preset_fat", "Dolgun"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full", "100 ön ayar kayıtlı: yenisini kaydetmeden önce birini silin."},
    {"preset_gentle", "Yumuşak"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "değiştirildi"},
    // Save dialog: label of the name field.
    {"preset_name", "Ad"},
    {"preset_neutral", "Nötr"},
    {"preset_night", "Gece Modu"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "Bu adda bir ön ayar zaten var; üzerine yazılacak."},
    {"preset_radio", "Eski Radyo"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "Bu ad yerleşik bir ön ayara ait."},
    {"preset_shine", "Parlak"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Konuşma"},
    {"preset_warm", "Sıcak"},
    // Preset menu section headers.
    {"presets_builtin", "Yerleşik"},
    {"presets_user", "Ön ayarlarım"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Sistem filtresini kaldır"},
    {"remove_filter_hint",
     "Velmora'nın kurduğu sistem genelindeki ses filtresini kaldırır. Bundan sonra, "
     "filtreyi yeniden kurana kadar sesler efekt olmadan çalınır."},
    {"save", "Kaydet"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "Ön ayarı kaydet"},
    // Title of the settings page and its button.
    {"settings", "Ayarlar"},
    // Status line in the footer.
    {"status_active", "Etkin: sistemdeki tüm ses Velmora'dan geçiyor"},
    {"status_bypass", "Devre dışı: efekt kapalı"},
    {"status_chained", "Başka bir efektle zincirleme olarak etkin"},
    {"status_connecting", "Ses sunucusuna bağlanılıyor…"},
    {"status_no_server", "Ses sunucusu bulunamadı; yeniden deneniyor…"},
    {"status_other_instance",
     "Velmora zaten başka bir yerde çalışıyor; bu kopya boşta bekliyor"},
    {"status_select_output",
     "Efekti duymak için ses ayarlarınızda çıkış aygıtı olarak “Velmora”yı seçin"},
    {"status_setup_needed", "Tek seferlik bir ses kurulumu gerekiyor"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Koyu"},
    {"theme_light", "Açık"},
    // About box: heading of the third-party notices.
    {"third_party", "Üçüncü taraf yazılımlar"},
    // Names of the two rack units.
    {"unit_comp", "Kompresör"},
    {"unit_tube", "Lambalı Preamp"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "Gir."},
    {"vu_out", "Çık."},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kTr = {"tr", "Türkçe", false, kEntries};

}  // namespace i18n::lang
