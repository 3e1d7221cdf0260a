// Persian.
// Formal register with plural imperatives (-ید); studio terms such as اتک and
// ریلیز are kept as Persian engineers say them.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora صدای هر چیزی را که رایانه‌تان پخش می‌کند تغییر می‌دهد. صدا را در سطحی راحت "
     "نگه دارید: این جلوه ممکن است صدا را بلندتر کند. این نرم‌افزار «همان‌گونه که هست» و "
     "بدون هیچ ضمانتی ارائه می‌شود؛ سازندگان مسئول هیچ آسیبی به شنوایی، بلندگوها یا داده‌ها "
     "نیستند."},
    {"about_disclaimer_title", "سلب مسئولیت"},
    {"about_report_bug", "گزارش مشکل:"},
    {"about_tagline",
     "گرمای لامپ و فشرده‌سازی استودیویی برای هر صدایی که رایانه‌تان پخش می‌کند."},
    {"about_version", "نسخهٔ %s (ساخت %s)"},
    {"appearance", "ظاهر"},
    {"autostart", "اجرا هنگام ورود به سیستم"},
    {"cancel", "لغو"},
    {"close", "بستن"},
    // Compressor presets.
    {"cpreset_gentle", "ملایم"},
    {"cpreset_level", "هم‌سطح‌ساز"},
    {"cpreset_parallel", "موازی"},
    {"cpreset_peaks", "مهار قله‌ها"},
    {"cpreset_punch", "پانچ"},
    {"cpreset_vocal", "وکال"},
    // Crash note.
    {"crash_discard", "صرف‌نظر"},
    {"crash_send", "ارسال گزارش"},
    {"crash_text",
     "Velmora در آخرین اجرا به‌طور غیرمنتظره بسته شد و صدای شما به حالت قبل برگردانده شد. "
     "یک گزارش خرابی کوتاه ذخیره شده است. آیا مایلید آن را با ایمیل برای ما بفرستید؟ این "
     "گزارش هیچ صدا یا فایل شخصی‌ای ندارد و به ما در رفع مشکل کمک می‌کند."},
    {"crash_title", "Velmora به‌طور غیرمنتظره بسته شد"},
    {"curve", "منحنی"},
    {"curve_in", "ورودی"},
    {"device", "دستگاه خروجی"},
    {"device_follow", "پیش‌فرض سیستم"},
    {"err_no_device", "دستگاه انتخاب‌شده پیدا نشد"},
    {"fx_on_start", "جلوه هنگام شروع روشن باشد"},
    {"group_mix", "میکس"},
    {"group_output", "خروجی"},
    {"group_tone", "تُن"},
    {"group_tube", "لامپ"},
    {"hint_reset", "برای بازنشانی، روی پیچ دوبار کلیک کنید"},
    // Knob captions.
    {"knob_attack", "اتک"},
    {"knob_bass", "بم"},
    {"knob_bias", "بایاس"},
    {"knob_blend", "ترکیب"},
    {"knob_drive", "درایو"},
    {"knob_fat", "ضخامت"},
    {"knob_knee", "زانو"},
    {"knob_makeup", "جبران بهره"},
    {"knob_mid", "میانه"},
    {"knob_mix", "میکس"},
    {"knob_output", "خروجی"},
    {"knob_presence", "حضور"},
    {"knob_ratio", "نسبت"},
    {"knob_release", "ریلیز"},
    {"knob_threshold", "آستانه"},
    {"knob_treble", "زیر"},
    {"language", "زبان"},
    {"language_auto", "خودکار (سیستم)"},
    {"limiter", "لیمیتر"},
    {"on_top", "نمای فشرده همیشه در بالا"},
    {"power_off", "خاموش"},
    {"power_on", "روشن"},
    // Tube presets and the preset menu.
    {"preset_crunch", "کرانچ"},
    {"preset_custom", "سفارشی"},
    {"preset_default_name", "پیش‌تنظیم من %d"},
    {"preset_fat", "پرحجم"},
    {"preset_full", "۱۰۰ پیش‌تنظیم ذخیره شده است: پیش از ذخیره کردن مورد دیگر، یکی را حذف کنید."},
    {"preset_gentle", "ملایم"},
    {"preset_glue", "یکپارچه"},
    {"preset_loudness", "بلندی صدا"},
    {"preset_modified", "تغییریافته"},
    {"preset_name", "نام"},
    {"preset_neutral", "خنثی"},
    {"preset_night", "حالت شب"},
    {"preset_overwrite", "پیش‌تنظیمی با این نام وجود دارد و جایگزین خواهد شد."},
    {"preset_radio", "رادیوی قدیمی"},
    {"preset_reserved", "این نام متعلق به یک پیش‌تنظیم داخلی است."},
    {"preset_shine", "درخشش"},
    {"preset_vintage", "وینتیج"},
    {"preset_voice", "گفتار"},
    {"preset_warm", "گرم"},
    {"presets_builtin", "داخلی"},
    {"presets_user", "پیش‌تنظیم‌های من"},
    {"remove_filter", "حذف فیلتر سیستم"},
    {"remove_filter_hint",
     "فیلتر صوتی سراسری‌ای را که Velmora نصب کرده است حذف می‌کند. پس از آن، تا وقتی فیلتر را "
     "دوباره راه‌اندازی نکنید، صدا بدون جلوه پخش می‌شود."},
    {"save", "ذخیره"},
    {"save_preset", "ذخیرهٔ پیش‌تنظیم"},
    {"settings", "تنظیمات"},
    // Footer status line.
    {"status_active", "فعال: همهٔ صدای سیستم از Velmora عبور می‌کند"},
    {"status_bypass", "بای‌پس: جلوه خاموش است"},
    {"status_chained", "فعال در زنجیره با جلوه‌ای دیگر"},
    {"status_connecting", "در حال اتصال به سرور صدا…"},
    {"status_no_server", "سرور صدا پیدا نشد؛ تلاش دوباره…"},
    {"status_other_instance",
     "Velmora از قبل در جای دیگری در حال اجراست؛ این نسخه غیرفعال می‌ماند"},
    {"status_select_output",
     "برای شنیدن جلوه، در تنظیمات صدا «Velmora» را به‌عنوان دستگاه خروجی انتخاب کنید"},
    {"status_setup_needed", "یک راه‌اندازی صوتی یک‌باره لازم است"},
    {"theme_dark", "تیره"},
    {"theme_light", "روشن"},
    {"third_party", "نرم‌افزارهای شخص ثالث"},
    {"unit_comp", "کمپرسور"},
    {"unit_tube", "پری‌امپ لامپی"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "ورودی"},
    {"vu_out", "خروجی"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kFa = {"fa", "فارسی", true, kEntries};

}  // namespace i18n::lang
