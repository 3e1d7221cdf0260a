// Chinese (Traditional, Taiwan).
// Wording follows Taiwanese software usage (軟體, 裝置, 預設集, 伺服器).
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora 會改變電腦播放的所有聲音。請將音量維持在舒適的程度：此效果可能讓聲音變得"
     "更大聲。本軟體依「現況」提供，不附帶任何形式的保證；對於聽力、喇叭或資料所受的損害，"
     "作者概不負責。"},
    {"about_disclaimer_title", "免責聲明"},
    {"about_report_bug", "回報問題："},
    {"about_tagline", "為電腦播放的所有聲音，帶來真空管的溫暖與錄音室等級的壓縮。"},
    {"about_version", "版本 %s（組建 %s）"},
    {"appearance", "外觀"},
    {"autostart", "登入時啟動"},
    {"cancel", "取消"},
    {"close", "關閉"},
    // Compressor presets.
    {"cpreset_gentle", "輕柔"},
    {"cpreset_level", "音量平穩"},
    {"cpreset_parallel", "平行壓縮"},
    {"cpreset_peaks", "峰值捕捉"},
    {"cpreset_punch", "衝擊感"},
    {"cpreset_vocal", "人聲"},
    // Crash note.
    {"crash_discard", "捨棄"},
    {"crash_send", "傳送報告"},
    {"crash_text",
     "Velmora 上次執行時意外結束，您的聲音已恢復為原本的狀態。程式已儲存一份簡短的當機報告。"
     "要透過電子郵件傳送給我們嗎？報告不含任何音訊或個人檔案，能協助我們修正問題。"},
    {"crash_title", "Velmora 意外結束"},
    {"curve", "曲線"},
    {"curve_in", "輸入"},
    {"device", "輸出裝置"},
    {"device_follow", "系統預設值"},
    {"err_no_device", "找不到選取的裝置"},
    {"fx_on_start", "啟動時開啟效果"},
    {"group_mix", "混合"},
    {"group_output", "輸出"},
    {"group_tone", "音色"},
    {"group_tube", "真空管"},
    {"hint_reset", "按兩下旋鈕即可重設"},
    // Knob captions.
    {"knob_attack", "起音"},
    {"knob_bass", "低音"},
    {"knob_bias", "偏壓"},
    {"knob_blend", "融合"},
    {"knob_drive", "驅動"},
    {"knob_fat", "厚度"},
    {"knob_knee", "拐點"},
    {"knob_makeup", "補償增益"},
    {"knob_mid", "中音"},
    {"knob_mix", "混合"},
    {"knob_output", "輸出"},
    {"knob_presence", "臨場感"},
    {"knob_ratio", "壓縮比"},
    {"knob_release", "釋放"},
    {"knob_threshold", "臨界值"},
    {"knob_treble", "高音"},
    {"language", "語言"},
    {"language_auto", "自動（依系統設定）"},
    {"limiter", "限幅器"},
    {"on_top", "精簡檢視永遠在最上層"},
    {"power_off", "關"},
    {"power_on", "開"},
    // Tube presets and the preset menu.
    {"preset_crunch", "輕破音"},
    {"preset_custom", "自訂"},
    {"preset_default_name", "我的預設集 %d"},
    {"preset_fat", "飽滿"},
    {"preset_full", "已儲存 100 個預設集：請先刪除一個，再儲存新的預設集。"},
    {"preset_gentle", "輕柔"},
    {"preset_glue", "黏合"},
    {"preset_loudness", "響度"},
    {"preset_modified", "已修改"},
    {"preset_name", "名稱"},
    {"preset_neutral", "中性"},
    {"preset_night", "夜間模式"},
    {"preset_overwrite", "已有同名的預設集，儲存後將會取代它。"},
    {"preset_radio", "老收音機"},
    {"preset_reserved", "此名稱已由內建預設集使用。"},
    {"preset_shine", "明亮"},
    {"preset_vintage", "復古"},
    {"preset_voice", "語音"},
    {"preset_warm", "溫暖"},
    {"presets_builtin", "內建"},
    {"presets_user", "我的預設集"},
    {"remove_filter", "移除系統篩選器"},
    {"remove_filter_hint",
     "移除 Velmora 安裝的全系統音訊篩選器。之後在您重新設定篩選器之前，"
     "聲音將不經效果直接播放。"},
    {"save", "儲存"},
    {"save_preset", "儲存預設集"},
    {"settings", "設定"},
    // Footer status line.
    {"status_active", "作用中：所有系統聲音都經過 Velmora 處理"},
    {"status_bypass", "已旁通：效果已關閉"},
    {"status_chained", "作用中：與另一個效果串接"},
    {"status_connecting", "正在連線到音效伺服器⋯⋯"},
    {"status_no_server", "找不到音效伺服器，正在重試⋯⋯"},
    {"status_other_instance", "Velmora 已在其他地方執行，此執行個體將保持閒置"},
    {"status_select_output", "請在音效設定中將「Velmora」選為輸出裝置，才能聽到效果"},
    {"status_setup_needed", "需要進行一次性的音訊設定"},
    {"theme_dark", "深色"},
    {"theme_light", "淺色"},
    {"third_party", "第三方軟體"},
    {"unit_comp", "壓縮器"},
    {"unit_tube", "真空管前級"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "輸入"},
    {"vu_out", "輸出"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kZhTW = {"zh_TW", "正體中文", false, kEntries};

}  // namespace i18n::lang
