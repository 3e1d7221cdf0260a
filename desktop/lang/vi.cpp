// Vietnamese.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box: disclaimer text (wrapped paragraph) and its bold title.
    {"about_disclaimer",
     "Velmora thay đổi âm thanh của mọi thứ mà máy tính của bạn phát ra. Hãy giữ âm "
     "lượng ở mức dễ chịu: hiệu ứng có thể làm âm thanh to hơn. Phần mềm được cung "
     "cấp theo nguyên trạng, không kèm bất kỳ bảo đảm nào; các tác giả không chịu "
     "trách nhiệm về tổn hại đối với thính giác, loa hoặc dữ liệu."},
    {"about_disclaimer_title", "Tuyên bố miễn trừ trách nhiệm"},
    // About box: label in front of the support e-mail link.
    {"about_report_bug", "Báo cáo sự cố:"},
    // About box: one-sentence tagline under the product name.
    {"about_tagline",
     "Độ ấm của đèn điện tử và nén kiểu phòng thu cho mọi thứ máy tính của bạn phát "
     "ra."},
    // About box: version line; first %s the version, second %s the build number.
    {"about_version", "Phiên bản %s (Bản dựng %s)"},
    // Settings page: label of the dark/light theme switch.
    {"appearance", "Giao diện"},
    // Settings page: switch that starts the program at desktop login.
    {"autostart", "Khởi động khi tôi đăng nhập"},
    // Buttons.
    {"cancel", "Hủy"},
    {"close", "Đóng"},
    // Names of the compressor unit's built-in presets (preset menu, ~20 characters).
    {"cpreset_gentle", "Nhẹ nhàng"},
    {"cpreset_level", "Cân bằng mức"},
    {"cpreset_parallel", "Nén song song"},
    {"cpreset_peaks", "Bắt đỉnh"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Giọng hát"},
    // Crash note after an unexpected end of the last run: buttons, text, title.
    {"crash_discard", "Bỏ qua"},
    {"crash_send", "Gửi báo cáo"},
    {"crash_text",
     "Velmora đã đóng bất ngờ trong lần chạy trước, và âm thanh của bạn đã được "
     "khôi phục như cũ. Một báo cáo sự cố ngắn đã được lưu lại. Bạn có muốn gửi báo "
     "cáo này cho chúng tôi qua email không? Báo cáo không chứa âm thanh hay tệp cá "
     "nhân nào, và giúp chúng tôi khắc phục sự cố."},
    {"crash_title", "Velmora đã thoát bất ngờ"},
    // Compressor graph: caption at the top (the transfer curve) and under the input axis.
    {"curve", "Đường cong"},
    {"curve_in", "Đầu vào"},
    // Settings page: label of the output device menu, and its first entry.
    {"device", "Thiết bị đầu ra"},
    {"device_follow", "Mặc định của hệ thống"},
    // Footer, in front of the status, when the chosen output device is missing.
    {"err_no_device", "Không tìm thấy thiết bị đã chọn"},
    // Settings page: switch "the effect chain is on when the program starts".
    {"fx_on_start", "Bật hiệu ứng khi khởi động"},
    // Group captions above the knob groups of the rack (short).
    {"group_mix", "Mix"},
    {"group_output", "Đầu ra"},
    {"group_tone", "Âm sắc"},
    {"group_tube", "Đèn"},
    // Hint in the tube unit's header while the effect is on.
    {"hint_reset", "Nhấp đúp vào một núm để đặt lại"},
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
    {"knob_output", "Đầu ra"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Treble"},
    // Settings page: label of the language menu, and its first entry.
    {"language", "Ngôn ngữ"},
    {"language_auto", "Tự động (theo hệ thống)"},
    // Switch of the output limiter.
    {"limiter", "Limiter"},
    // Settings page: switch "the compact view stays above other windows".
    {"on_top", "Chế độ thu gọn luôn ở trên cùng"},
    // Power button of a unit and of the whole effect.
    {"power_off", "Tắt"},
    {"power_on", "Bật"},
    // Preset menu: built-in tube preset names, and the entries around them.
    {"preset_crunch", "Crunch"},
    // Shown in the preset field when the knobs match no preset.
    {"preset_custom", "Tùy chỉnh"},
    // Proposed name in the save dialog; %d is a running number.
    {"preset_default_name", "Preset của tôi %d"},
    {"preset_fat", "Dày"},
    // Save dialog note: the unit already holds 100 user presets.
    {"preset_full", "Đã lưu đủ 100 preset: hãy xóa bớt một preset trước khi lưu preset mới."},
    {"preset_gentle", "Nhẹ nhàng"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    // Appended after " · " to the preset name when the knobs were moved away from it.
    {"preset_modified", "đã sửa"},
    // Save dialog: label of the name field.
    {"preset_name", "Tên"},
    {"preset_neutral", "Trung tính"},
    {"preset_night", "Chế độ ban đêm"},
    // Save dialog note: a user preset with this name exists and will be replaced.
    {"preset_overwrite", "Đã có preset trùng tên; preset đó sẽ bị thay thế."},
    {"preset_radio", "Radio cũ"},
    // Save dialog note: the name belongs to a built-in preset.
    {"preset_reserved", "Tên này đã thuộc về một preset có sẵn."},
    {"preset_shine", "Lấp lánh"},
    {"preset_vintage", "Cổ điển"},
    {"preset_voice", "Giọng nói"},
    {"preset_warm", "Ấm"},
    // Preset menu section headers.
    {"presets_builtin", "Có sẵn"},
    {"presets_user", "Preset của tôi"},
    // Settings page: button and explanation for a system-wide filter driver
    // (other platforms only).
    {"remove_filter", "Gỡ bộ lọc hệ thống"},
    {"remove_filter_hint",
     "Gỡ bộ lọc âm thanh toàn hệ thống mà Velmora đã cài đặt. Sau đó, âm thanh sẽ "
     "phát mà không có hiệu ứng cho đến khi bạn thiết lập lại bộ lọc."},
    {"save", "Lưu"},
    // Save dialog title and tooltip of the save button.
    {"save_preset", "Lưu preset"},
    // Title of the settings page and its button.
    {"settings", "Cài đặt"},
    // Status line in the footer.
    {"status_active", "Đang hoạt động: mọi âm thanh hệ thống đều đi qua Velmora"},
    {"status_bypass", "Đang bỏ qua: hiệu ứng đã tắt"},
    {"status_chained", "Đang hoạt động nối tiếp với một hiệu ứng khác"},
    {"status_connecting", "Đang kết nối với máy chủ âm thanh…"},
    {"status_no_server", "Không tìm thấy máy chủ âm thanh; đang thử lại…"},
    {"status_other_instance", "Velmora đang chạy ở nơi khác; bản này sẽ ở trạng thái chờ"},
    {"status_select_output",
     "Hãy chọn “Velmora” làm thiết bị đầu ra trong cài đặt âm thanh để nghe hiệu ứng"},
    {"status_setup_needed", "Cần thiết lập âm thanh một lần"},
    // Settings page: the two halves of the theme switch.
    {"theme_dark", "Tối"},
    {"theme_light", "Sáng"},
    // About box: heading of the third-party notices.
    {"third_party", "Phần mềm bên thứ ba"},
    // Names of the two rack units.
    {"unit_comp", "Bộ nén"},
    {"unit_tube", "Preamp đèn"},
    // Meter-mode selector: gain reduction, input, output (very short).
    {"vu_gr", "GR"},
    {"vu_in", "Vào"},
    {"vu_out", "Ra"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kVi = {"vi", "Tiếng Việt", false, kEntries};

}  // namespace i18n::lang
