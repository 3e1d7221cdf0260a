// Urdu.
// Polite آپ form (کریں); audio terms are the English studio words in Urdu script.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora آپ کے کمپیوٹر پر چلنے والی ہر آواز کو بدل دیتا ہے۔ والیوم کو آرام دہ سطح پر "
     "رکھیں: یہ ایفیکٹ آڈیو کو مزید بلند کر سکتا ہے۔ یہ سافٹ ویئر جیسا ہے ویسا ہی، کسی بھی "
     "وارنٹی کے بغیر فراہم کیا جاتا ہے؛ سماعت، اسپیکرز یا ڈیٹا کو پہنچنے والے کسی بھی نقصان "
     "کے لیے مصنفین ذمہ دار نہیں ہیں۔"},
    {"about_disclaimer_title", "دستبرداری"},
    {"about_report_bug", "مسئلے کی اطلاع دیں:"},
    {"about_tagline",
     "آپ کے کمپیوٹر پر چلنے والی ہر آواز کے لیے ٹیوب کی گرمجوشی اور اسٹوڈیو کمپریشن۔"},
    {"about_version", "ورژن %s (بلڈ %s)"},
    {"appearance", "ظاہری شکل"},
    {"autostart", "لاگ ان ہونے پر شروع کریں"},
    {"cancel", "منسوخ کریں"},
    {"close", "بند کریں"},
    // Compressor presets.
    {"cpreset_gentle", "نرم"},
    {"cpreset_level", "لیولر"},
    {"cpreset_parallel", "پیرالل"},
    {"cpreset_peaks", "پیک کیچر"},
    {"cpreset_punch", "پنچ"},
    {"cpreset_vocal", "ووکلز"},
    // Crash note.
    {"crash_discard", "حذف کریں"},
    {"crash_send", "رپورٹ بھیجیں"},
    {"crash_text",
     "پچھلی بار چلتے ہوئے Velmora غیر متوقع طور پر بند ہو گیا تھا، اور آپ کی آواز پہلے جیسی "
     "کر دی گئی۔ ایک مختصر کریش رپورٹ محفوظ کی گئی ہے۔ کیا آپ اسے ای میل کے ذریعے ہمیں بھیجنا "
     "چاہیں گے؟ اس میں کوئی آڈیو یا ذاتی فائلیں شامل نہیں ہیں، اور اس سے ہمیں مسئلہ حل کرنے "
     "میں مدد ملتی ہے۔"},
    {"crash_title", "Velmora غیر متوقع طور پر بند ہو گیا"},
    {"curve", "منحنی"},
    {"curve_in", "ان پٹ"},
    {"device", "آؤٹ پٹ ڈیوائس"},
    {"device_follow", "سسٹم ڈیفالٹ"},
    {"err_no_device", "منتخب کردہ ڈیوائس نہیں ملی"},
    {"fx_on_start", "آغاز پر ایفیکٹ آن"},
    {"group_mix", "مکس"},
    {"group_output", "آؤٹ پٹ"},
    {"group_tone", "ٹون"},
    {"group_tube", "ٹیوب"},
    {"hint_reset", "ری سیٹ کرنے کے لیے نوب پر ڈبل کلک کریں"},
    // Knob captions.
    {"knob_attack", "اٹیک"},
    {"knob_bass", "بیس"},
    {"knob_bias", "بائس"},
    {"knob_blend", "بلینڈ"},
    {"knob_drive", "ڈرائیو"},
    {"knob_fat", "فیٹ"},
    {"knob_knee", "موڑ"},
    {"knob_makeup", "میک اپ"},
    {"knob_mid", "مڈ"},
    {"knob_mix", "مکس"},
    {"knob_output", "آؤٹ پٹ"},
    {"knob_presence", "پریزنس"},
    {"knob_ratio", "ریشو"},
    {"knob_release", "ریلیز"},
    {"knob_threshold", "تھریش ہولڈ"},
    {"knob_treble", "ٹریبل"},
    {"language", "زبان"},
    {"language_auto", "خودکار (سسٹم)"},
    {"limiter", "لمیٹر"},
    {"on_top", "کمپیکٹ ویو ہمیشہ اوپر"},
    {"power_off", "آف"},
    {"power_on", "آن"},
    // Tube presets and the preset menu.
    {"preset_crunch", "کرنچ"},
    {"preset_custom", "حسب ضرورت"},
    {"preset_default_name", "میرا پری سیٹ %d"},
    {"preset_fat", "بھرپور"},
    {"preset_full", "100 پری سیٹ محفوظ ہیں: نیا محفوظ کرنے سے پہلے کوئی ایک حذف کریں۔"},
    {"preset_gentle", "نرم"},
    {"preset_glue", "گلو"},
    {"preset_loudness", "لاؤڈنس"},
    {"preset_modified", "ترمیم شدہ"},
    {"preset_name", "نام"},
    {"preset_neutral", "نیوٹرل"},
    {"preset_night", "نائٹ موڈ"},
    {"preset_overwrite", "اس نام کا پری سیٹ پہلے سے موجود ہے اور اسے تبدیل کر دیا جائے گا۔"},
    {"preset_radio", "پرانا ریڈیو"},
    {"preset_reserved", "یہ نام ایک بلٹ اِن پری سیٹ کا ہے۔"},
    {"preset_shine", "چمک"},
    {"preset_vintage", "ونٹیج"},
    {"preset_voice", "آواز"},
    {"preset_warm", "گرم"},
    {"presets_builtin", "بلٹ اِن"},
    {"presets_user", "میرے پری سیٹ"},
    {"remove_filter", "سسٹم فلٹر ہٹائیں"},
    {"remove_filter_hint",
     "اس سے Velmora کا انسٹال کردہ سسٹم گیر آڈیو فلٹر ہٹ جاتا ہے۔ اس کے بعد جب تک آپ فلٹر "
     "دوبارہ سیٹ اپ نہ کریں، آپ کی آواز ایفیکٹ کے بغیر چلے گی۔"},
    {"save", "محفوظ کریں"},
    {"save_preset", "پری سیٹ محفوظ کریں"},
    {"settings", "ترتیبات"},
    // Footer status line.
    {"status_active", "فعال: سسٹم کی تمام آواز Velmora سے گزر رہی ہے"},
    {"status_bypass", "بائی پاس: ایفیکٹ بند ہے"},
    {"status_chained", "کسی دوسرے ایفیکٹ کے ساتھ چین میں فعال"},
    {"status_connecting", "ساؤنڈ سرور سے منسلک ہو رہا ہے…"},
    {"status_no_server", "کوئی ساؤنڈ سرور نہیں ملا؛ دوبارہ کوشش جاری ہے…"},
    {"status_other_instance", "Velmora پہلے ہی کہیں اور چل رہا ہے؛ یہ کاپی غیر فعال رہے گی"},
    {"status_select_output",
     "ایفیکٹ سننے کے لیے اپنی ساؤنڈ ترتیبات میں آؤٹ پٹ ڈیوائس کے طور پر “Velmora” منتخب کریں"},
    {"status_setup_needed", "ایک بار آڈیو سیٹ اپ درکار ہے"},
    {"theme_dark", "گہرا"},
    {"theme_light", "ہلکا"},
    {"third_party", "فریق ثالث سافٹ ویئر"},
    {"unit_comp", "کمپریسر"},
    {"unit_tube", "ٹیوب پری ایمپ"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "ان"},
    {"vu_out", "آؤٹ"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kUr = {"ur", "اردو", true, kEntries};

}  // namespace i18n::lang
