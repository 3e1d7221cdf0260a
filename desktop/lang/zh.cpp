// Chinese (Simplified).
// Knob captions use the terms of mainland Chinese audio software.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora 会改变电脑播放的所有声音。请将音量保持在舒适的水平：该效果可能使声音变得"
     "更响。本软件按“原样”提供，不附带任何形式的担保；对于听力、扬声器或数据受到的损害，"
     "作者概不负责。"},
    {"about_disclaimer_title", "免责声明"},
    {"about_report_bug", "报告问题："},
    {"about_tagline", "为电脑播放的一切声音，带来电子管的温暖与录音棚级的压缩。"},
    {"about_version", "版本 %s（构建 %s）"},
    {"appearance", "外观"},
    {"autostart", "登录时启动"},
    {"cancel", "取消"},
    {"close", "关闭"},
    // Compressor presets.
    {"cpreset_gentle", "柔和"},
    {"cpreset_level", "电平稳定"},
    {"cpreset_parallel", "并行压缩"},
    {"cpreset_peaks", "峰值捕捉"},
    {"cpreset_punch", "冲击力"},
    {"cpreset_vocal", "人声"},
    // Crash note.
    {"crash_discard", "丢弃"},
    {"crash_send", "发送报告"},
    {"crash_text",
     "Velmora 上次运行时意外退出，您的声音已恢复原状。程序已保存一份简短的崩溃报告。"
     "是否通过电子邮件发送给我们？报告不含任何音频或个人文件，可以帮助我们解决问题。"},
    {"crash_title", "Velmora 意外退出"},
    {"curve", "曲线"},
    {"curve_in", "输入"},
    {"device", "输出设备"},
    {"device_follow", "系统默认"},
    {"err_no_device", "找不到所选设备"},
    {"fx_on_start", "启动时开启效果"},
    {"group_mix", "混合"},
    {"group_output", "输出"},
    {"group_tone", "音色"},
    {"group_tube", "电子管"},
    {"hint_reset", "双击旋钮可将其复位"},
    // Knob captions.
    {"knob_attack", "起音"},
    {"knob_bass", "低音"},
    {"knob_bias", "偏压"},
    {"knob_blend", "融合"},
    {"knob_drive", "驱动"},
    {"knob_fat", "厚度"},
    {"knob_knee", "拐点"},
    {"knob_makeup", "增益补偿"},
    {"knob_mid", "中音"},
    {"knob_mix", "混合"},
    {"knob_output", "输出"},
    {"knob_presence", "临场感"},
    {"knob_ratio", "比率"},
    {"knob_release", "释放"},
    {"knob_threshold", "阈值"},
    {"knob_treble", "高音"},
    {"language", "语言"},
    {"language_auto", "自动（跟随系统）"},
    {"limiter", "限制器"},
    {"on_top", "紧凑视图始终置顶"},
    {"power_off", "关"},
    {"power_on", "开"},
    // Tube presets and the preset menu.
    {"preset_crunch", "轻失真"},
    {"preset_custom", "自定义"},
    {"preset_default_name", "我的预设 %d"},
    {"preset_fat", "浑厚"},
    {"preset_full", "已保存 100 个预设：请先删除一个，再保存新的预设。"},
    {"preset_gentle", "柔和"},
    {"preset_glue", "粘合"},
    {"preset_loudness", "响度"},
    {"preset_modified", "已修改"},
    {"preset_name", "名称"},
    {"preset_neutral", "中性"},
    {"preset_night", "夜间模式"},
    {"preset_overwrite", "已存在同名预设，保存后将被替换。"},
    {"preset_radio", "老式收音机"},
    {"preset_reserved", "此名称已被内置预设使用。"},
    {"preset_shine", "明亮"},
    {"preset_vintage", "复古"},
    {"preset_voice", "语音"},
    {"preset_warm", "温暖"},
    {"presets_builtin", "内置"},
    {"presets_user", "我的预设"},
    {"remove_filter", "移除系统过滤器"},
    {"remove_filter_hint",
     "移除 Velmora 安装的系统级音频过滤器。此后，在您重新设置过滤器之前，"
     "声音将不经过效果直接播放。"},
    {"save", "保存"},
    {"save_preset", "保存预设"},
    {"settings", "设置"},
    // Footer status line.
    {"status_active", "已启用：所有系统声音均经过 Velmora 处理"},
    {"status_bypass", "已旁路：效果已关闭"},
    {"status_chained", "已启用：与另一个效果串联运行"},
    {"status_connecting", "正在连接音频服务器……"},
    {"status_no_server", "未找到音频服务器，正在重试……"},
    {"status_other_instance", "Velmora 已在其他位置运行，此副本将保持空闲"},
    {"status_select_output", "请在声音设置中将“Velmora”选为输出设备，即可听到效果"},
    {"status_setup_needed", "需要进行一次性音频设置"},
    {"theme_dark", "深色"},
    {"theme_light", "浅色"},
    {"third_party", "第三方软件"},
    {"unit_comp", "压缩器"},
    {"unit_tube", "电子管前级"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "输入"},
    {"vu_out", "输出"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kZh = {"zh", "中文", false, kEntries};

}  // namespace i18n::lang
