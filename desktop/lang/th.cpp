// Thai.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Velmora จะเปลี่ยนเสียงของทุกสิ่งที่คอมพิวเตอร์ของคุณเล่น "
     "โปรดตั้งระดับเสียงให้อยู่ในระดับที่สบายหู "
     "เนื่องจากเอฟเฟกต์อาจทำให้เสียงดังขึ้น "
     "ซอฟต์แวร์นี้ให้มาตามสภาพโดยไม่มีการรับประกันใด ๆ "
     "ผู้พัฒนาจะไม่รับผิดชอบต่อความเสียหายที่เกิดกับการได้ยิน ลำโพง หรือข้อมูล"},
    {"about_disclaimer_title", "ข้อจำกัดความรับผิดชอบ"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "รายงานปัญหา:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "ความอุ่นของเสียงหลอดและคอมเพรสชันระดับสตูดิโอ "
     "สำหรับทุกเสียงที่คอมพิวเตอร์ของคุณเล่น"},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "เวอร์ชัน %s (บิลด์ %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "รูปลักษณ์"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "เริ่มเมื่อฉันเข้าสู่ระบบ"},
    // Buttons.
    {"cancel", "ยกเลิก"},
    {"close", "ปิด"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "นุ่มนวล"},
    {"cpreset_level", "คุมระดับเสียง"},
    {"cpreset_parallel", "แบบขนาน"},
    {"cpreset_peaks", "จับพีค"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "เสียงร้อง"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "ทิ้ง"},
    {"crash_send", "ส่งรายงาน"},
    {"crash_text",
     "Velmora หยุดทำงานโดยไม่คาดคิดเมื่อเปิดใช้ครั้งล่าสุด "
     "และเสียงของคุณได้รับการคืนค่าเป็นเหมือนเดิมแล้ว "
     "ระบบได้บันทึกรายงานข้อขัดข้องสั้น ๆ ไว้ "
     "คุณต้องการส่งรายงานนี้ให้เราทางอีเมลหรือไม่ "
     "รายงานนี้ไม่มีเสียงหรือไฟล์ส่วนตัวใด ๆ และจะช่วยให้เราแก้ไขปัญหาได้"},
    {"crash_title", "Velmora ปิดตัวลงโดยไม่คาดคิด"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "เส้นโค้ง"},
    {"curve_in", "อินพุต"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "อุปกรณ์เอาต์พุต"},
    {"device_follow", "ค่าเริ่มต้นของระบบ"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "ไม่พบอุปกรณ์ที่เลือก"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "เปิดเอฟเฟกต์เมื่อเริ่มโปรแกรม"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "มิกซ์"},
    {"group_output", "เอาต์พุต"},
    {"group_tone", "โทน"},
    {"group_tube", "หลอด"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "ดับเบิลคลิกที่ปุ่มหมุนเพื่อรีเซ็ต"},
    // Knob captions (about 12 characters; engineers' terms where they exist).
    {"knob_attack", "Attack"},
    {"knob_bass", "ทุ้ม"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "กลาง"},
    {"knob_mix", "มิกซ์"},
    {"knob_output", "เอาต์พุต"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "แหลม"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "ภาษา"},
    {"language_auto", "อัตโนมัติ (ตามระบบ)"},
    // Switch of the output limiter.
    {"limiter", "ลิมิตเตอร์"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "มุมมองแบบย่ออยู่บนสุดเสมอ"},
    // Power button of a unit and of the whole effect.
    {"power_off", "ปิด"},
    {"power_on", "เปิด"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "กำหนดเอง"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "พรีเซ็ตของฉัน %d"},
    {"preset_fat", "เสียงหนา"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full",
     "บันทึกพรีเซ็ตไว้ครบ 100 รายการแล้ว โปรดลบออกหนึ่งรายการก่อนบันทึกรายการใหม่"},
    {"preset_gentle", "นุ่มนวล"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "แก้ไขแล้ว"},
    // Save dialog: label of the name field.
    {"preset_name", "ชื่อ"},
    {"preset_neutral", "เป็นกลาง"},
    {"preset_night", "โหมดกลางคืน"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "มีพรีเซ็ตชื่อนี้อยู่แล้ว และจะถูกแทนที่"},
    {"preset_radio", "วิทยุเก่า"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "ชื่อนี้เป็นของพรีเซ็ตในตัว"},
    {"preset_shine", "สดใส"},
    {"preset_vintage", "วินเทจ"},
    {"preset_voice", "เสียงพูด"},
    {"preset_warm", "อบอุ่น"},
    // Preset menu section headers.
    {"presets_builtin", "ในตัว"},
    {"presets_user", "พรีเซ็ตของฉัน"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "ลบตัวกรองระบบ"},
    {"remove_filter_hint",
     "ลบตัวกรองเสียงทั้งระบบที่ Velmora ติดตั้งไว้ "
     "หลังจากนั้นเสียงจะเล่นโดยไม่มีเอฟเฟกต์ จนกว่าคุณจะตั้งค่าตัวกรองอีกครั้ง"},
    {"save", "บันทึก"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "บันทึกพรีเซ็ต"},
    // Title of the settings page and its button.
    {"settings", "การตั้งค่า"},
    // Status line in the footer.
    {"status_active", "ทำงานอยู่: เสียงทั้งหมดของระบบผ่าน Velmora"},
    {"status_bypass", "บายพาส: ปิดเอฟเฟกต์อยู่"},
    {"status_chained", "ทำงานอยู่โดยต่อพ่วงกับเอฟเฟกต์อื่น"},
    {"status_connecting", "กำลังเชื่อมต่อกับเซิร์ฟเวอร์เสียง…"},
    {"status_no_server", "ไม่พบเซิร์ฟเวอร์เสียง กำลังลองใหม่…"},
    {"status_other_instance", "Velmora ทำงานอยู่ที่อื่นแล้ว สำเนานี้จะไม่ทำงาน"},
    {"status_select_output",
     "เลือก “Velmora” เป็นอุปกรณ์เอาต์พุตในการตั้งค่าเสียงเพื่อฟังเอฟเฟกต์"},
    {"status_setup_needed", "ต้องตั้งค่าเสียงเพียงครั้งเดียว"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "มืด"},
    {"theme_light", "สว่าง"},
    // About box: heading of the third-party notices.
    {"third_party", "ซอฟต์แวร์ของบุคคลที่สาม"},
    // Names of the two rack units.
    {"unit_comp", "คอมเพรสเซอร์"},
    {"unit_tube", "ปรีแอมป์หลอด"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "เข้า"},
    {"vu_out", "ออก"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kTh = {"th", "ไทย", false, kEntries};

}  // namespace i18n::lang
