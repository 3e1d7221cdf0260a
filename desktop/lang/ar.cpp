// Arabic.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "يغيّر Velmora صوت كل ما يشغّله حاسوبك. احرص على إبقاء مستوى الصوت عند حدّ "
     "مريح، فقد يجعل المؤثر الصوت أعلى. يُقدَّم البرنامج «كما هو» دون أي ضمان؛ ولا "
     "يتحمّل المؤلفون أي مسؤولية عن الأضرار التي قد تلحق بالسمع أو بمكبرات الصوت أو "
     "بالبيانات."},
    {"about_disclaimer_title", "إخلاء المسؤولية"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "الإبلاغ عن مشكلة:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline", "دفء الصمامات وضغط الاستوديو لكل ما يشغّله حاسوبك."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "الإصدار %s (البنية %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "المظهر"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "التشغيل عند تسجيل الدخول"},
    // Buttons.
    {"cancel", "إلغاء"},
    {"close", "إغلاق"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "خفيف"},
    {"cpreset_level", "موازنة المستوى"},
    {"cpreset_parallel", "ضغط متوازٍ"},
    {"cpreset_peaks", "التقاط الذُّرى"},
    {"cpreset_punch", "قوة الإيقاع"},
    {"cpreset_vocal", "غناء"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "تجاهل"},
    {"crash_send", "إرسال التقرير"},
    {"crash_text",
     "توقّف Velmora بشكل غير متوقع في آخر مرة جرى تشغيله فيها، وأُعيد الصوت إلى ما "
     "كان عليه. وقد حُفظ تقرير قصير عن العطل. هل تودّ إرساله إلينا عبر البريد "
     "الإلكتروني؟ لا يحتوي التقرير على أي صوت أو ملفات شخصية، ويساعدنا على إصلاح "
     "المشكلة."},
    {"crash_title", "أُغلق Velmora بشكل غير متوقع"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "المنحنى"},
    {"curve_in", "الدخل"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "جهاز الإخراج"},
    {"device_follow", "الافتراضي في النظام"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "تعذّر العثور على الجهاز المختار"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "تشغيل المؤثر عند البدء"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "المزج"},
    {"group_output", "الخرج"},
    {"group_tone", "النبرة"},
    {"group_tube", "الصمام"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "انقر نقرًا مزدوجًا على مقبض لإعادة تعيينه"},
    // Knob captions (about 12 characters; engineers' terms where they exist).
    {"knob_attack", "زمن الهجوم"},
    {"knob_bass", "الجهير"},
    {"knob_bias", "جهد الانحياز"},
    {"knob_blend", "الدمج"},
    {"knob_drive", "التشبّع"},
    {"knob_fat", "الامتلاء"},
    {"knob_knee", "الانحناء"},
    {"knob_makeup", "تعويض الكسب"},
    {"knob_mid", "الوسط"},
    {"knob_mix", "المزج"},
    {"knob_output", "الخرج"},
    {"knob_presence", "الحضور"},
    {"knob_ratio", "النسبة"},
    {"knob_release", "زمن التحرير"},
    {"knob_threshold", "العتبة"},
    {"knob_treble", "الحدة"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "اللغة"},
    {"language_auto", "تلقائي (لغة النظام)"},
    // Switch of the output limiter.
    {"limiter", "المحدِّد"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "العرض المصغّر دائمًا في المقدمة"},
    // Power button of a unit and of the whole effect.
    {"power_off", "إيقاف"},
    {"power_on", "تشغيل"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "كرانش"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "مخصّص"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "إعدادي المسبق %d"},
    {"preset_fat", "ممتلئ"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full", "هناك 100 إعداد مسبق محفوظ: احذف واحدًا قبل حفظ إعداد آخر."},
    {"preset_gentle", "لطيف"},
    {"preset_glue", "تماسك"},
    {"preset_loudness", "جهارة"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "معدَّل"},
    // Save dialog: label of the name field.
    {"preset_name", "الاسم"},
    {"preset_neutral", "محايد"},
    {"preset_night", "الوضع الليلي"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "يوجد إعداد مسبق بهذا الاسم، وسيُستبدل."},
    {"preset_radio", "راديو قديم"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "هذا الاسم محجوز لإعداد مسبق مضمَّن."},
    {"preset_shine", "لمعان"},
    {"preset_vintage", "عتيق"},
    {"preset_voice", "كلام"},
    {"preset_warm", "دافئ"},
    // Preset menu section headers.
    {"presets_builtin", "المضمَّنة"},
    {"presets_user", "إعداداتي المسبقة"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "إزالة مرشِّح النظام"},
    {"remove_filter_hint",
     "يزيل مرشِّح الصوت على مستوى النظام الذي ثبّته Velmora. بعد ذلك يُشغَّل الصوت "
     "دون المؤثر إلى أن تُعِدّ المرشِّح من جديد."},
    {"save", "حفظ"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "حفظ الإعداد المسبق"},
    // Title of the settings page and its button.
    {"settings", "الإعدادات"},
    // Status line in the footer.
    {"status_active", "نشط: كل أصوات النظام تمر عبر Velmora"},
    {"status_bypass", "تجاوز: المؤثر متوقف"},
    {"status_chained", "نشط ضمن سلسلة مع مؤثر آخر"},
    {"status_connecting", "جارٍ الاتصال بخادم الصوت…"},
    {"status_no_server", "لم يُعثر على خادم صوت؛ جارٍ إعادة المحاولة…"},
    {"status_other_instance", "يعمل Velmora بالفعل في مكان آخر؛ ستبقى هذه النسخة خاملة"},
    {"status_select_output", "اختر «Velmora» جهازًا للإخراج في إعدادات الصوت لسماع المؤثر"},
    {"status_setup_needed", "يلزم إعداد الصوت لمرة واحدة"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "داكن"},
    {"theme_light", "فاتح"},
    // About box: heading of the third-party notices.
    {"third_party", "برامج الجهات الخارجية"},
    // Names of the two rack units.
    {"unit_comp", "الضاغط"},
    {"unit_tube", "مضخّم أولي صمامي"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "دخل"},
    {"vu_out", "خرج"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kAr = {"ar", "العربية", true, kEntries};

}  // namespace i18n::lang
