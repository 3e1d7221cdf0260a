// Hebrew.
// Gender-neutral UI style: action nouns on buttons (שמירה, ביטול) and "יש ל..."
// for requests; common studio loanwords (אטאק, ריליס) kept as musicians say them.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora משנה את הצליל של כל מה שהמחשב מנגן. יש לשמור על עוצמת שמע נוחה: האפקט עלול "
     "להגביר את עוצמת השמע. התוכנה מסופקת כמות שהיא, ללא אחריות מכל סוג; המחברים אינם "
     "אחראים לנזק לשמיעה, לרמקולים או לנתונים."},
    {"about_disclaimer_title", "כתב ויתור"},
    {"about_report_bug", "דיווח על בעיה:"},
    {"about_tagline", "חמימות של מנורות ודחיסה של אולפן לכל מה שהמחשב מנגן."},
    {"about_version", "גרסה %s (בנייה %s)"},
    {"appearance", "מראה"},
    {"autostart", "הפעלה בעת הכניסה למערכת"},
    {"cancel", "ביטול"},
    {"close", "סגירה"},
    // Compressor presets.
    {"cpreset_gentle", "עדין"},
    {"cpreset_level", "איזון רמות"},
    {"cpreset_parallel", "מקבילי"},
    {"cpreset_peaks", "לוכד שיאים"},
    {"cpreset_punch", "פאנץ'"},
    {"cpreset_vocal", "שירה"},
    // Crash note.
    {"crash_discard", "מחיקה"},
    {"crash_send", "שליחת דוח"},
    {"crash_text",
     "Velmora נסגרה באופן בלתי צפוי בפעם הקודמת שפעלה, והשמע הוחזר למצבו הקודם. נשמר דוח "
     "קריסה קצר. לשלוח אותו אלינו בדוא״ל? הדוח אינו כולל שמע או קבצים אישיים, והוא יעזור "
     "לנו לתקן את הבעיה."},
    {"crash_title", "Velmora נסגרה באופן בלתי צפוי"},
    {"curve", "עקומה"},
    {"curve_in", "כניסה"},
    {"device", "התקן פלט"},
    {"device_follow", "ברירת המחדל של המערכת"},
    {"err_no_device", "ההתקן שנבחר לא נמצא"},
    {"fx_on_start", "האפקט פעיל בהפעלה"},
    {"group_mix", "מיקס"},
    {"group_output", "יציאה"},
    {"group_tone", "טון"},
    {"group_tube", "מנורות"},
    {"hint_reset", "לחיצה כפולה על חוגה מאפסת אותה"},
    // Knob captions.
    {"knob_attack", "אטאק"},
    {"knob_bass", "בס"},
    {"knob_bias", "ביאס"},
    {"knob_blend", "בלנד"},
    {"knob_drive", "דרייב"},
    {"knob_fat", "עובי"},
    {"knob_knee", "ברך"},
    {"knob_makeup", "הגבר פיצוי"},
    {"knob_mid", "מידים"},
    {"knob_mix", "מיקס"},
    {"knob_output", "יציאה"},
    {"knob_presence", "פרזנס"},
    {"knob_ratio", "יחס"},
    {"knob_release", "ריליס"},
    {"knob_threshold", "סף"},
    {"knob_treble", "טרבל"},
    {"language", "שפה"},
    {"language_auto", "אוטומטי (לפי המערכת)"},
    {"limiter", "לימיטר"},
    {"on_top", "תצוגה מצומצמת תמיד למעלה"},
    {"power_off", "כבוי"},
    {"power_on", "פועל"},
    // Tube presets and the preset menu.
    {"preset_crunch", "קראנץ'"},
    {"preset_custom", "מותאם אישית"},
    {"preset_default_name", "הפריסט שלי %d"},
    {"preset_fat", "עבה"},
    {"preset_full", "נשמרו 100 פריסטים: יש למחוק אחד מהם לפני שמירת פריסט נוסף."},
    {"preset_gentle", "עדין"},
    {"preset_glue", "דבק"},
    {"preset_loudness", "עוצמה"},
    {"preset_modified", "שונה"},
    {"preset_name", "שם"},
    {"preset_neutral", "ניטרלי"},
    {"preset_night", "מצב לילה"},
    {"preset_overwrite", "כבר קיים פריסט בשם הזה, והוא יוחלף."},
    {"preset_radio", "רדיו ישן"},
    {"preset_reserved", "השם הזה שייך לפריסט מובנה."},
    {"preset_shine", "ברק"},
    {"preset_vintage", "וינטג'"},
    {"preset_voice", "דיבור"},
    {"preset_warm", "חם"},
    {"presets_builtin", "מובנים"},
    {"presets_user", "הפריסטים שלי"},
    {"remove_filter", "הסרת מסנן המערכת"},
    {"remove_filter_hint",
     "פעולה זו מסירה את מסנן השמע הכלל-מערכתי ש-Velmora התקינה. לאחר מכן השמע יתנגן "
     "ללא האפקט עד שהמסנן יוגדר מחדש."},
    {"save", "שמירה"},
    {"save_preset", "שמירת פריסט"},
    {"settings", "הגדרות"},
    // Footer status line.
    {"status_active", "פעיל: כל השמע של המערכת עובר דרך Velmora"},
    {"status_bypass", "מעקף: האפקט כבוי"},
    {"status_chained", "פעיל בשרשרת עם אפקט נוסף"},
    {"status_connecting", "התחברות לשרת השמע…"},
    {"status_no_server", "לא נמצא שרת שמע; ניסיון חוזר…"},
    {"status_other_instance", "Velmora כבר פועלת במקום אחר; עותק זה נשאר במצב המתנה"},
    {"status_select_output",
     "כדי לשמוע את האפקט, יש לבחור ב-„Velmora” כהתקן הפלט בהגדרות השמע"},
    {"status_setup_needed", "נדרשת הגדרת שמע חד-פעמית"},
    {"theme_dark", "כהה"},
    {"theme_light", "בהיר"},
    {"third_party", "תוכנות צד שלישי"},
    {"unit_comp", "קומפרסור"},
    {"unit_tube", "קדם-מגבר מנורות"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "כניסה"},
    {"vu_out", "יציאה"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kHe = {"he", "עברית", true, kEntries};

}  // namespace i18n::lang
