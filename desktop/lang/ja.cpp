// Japanese.
// Polite form (です/ます) for sentences; audio terms in the katakana used in
// Japanese studios.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora は、コンピューターで再生されるすべての音を変化させます。エフェクトによって"
     "音量が大きくなることがあるため、音量は快適なレベルに保ってください。本ソフトウェアは"
     "現状のまま提供され、いかなる保証もありません。作者は、聴覚、スピーカー、データへの"
     "損害について一切の責任を負いません。"},
    {"about_disclaimer_title", "免責事項"},
    {"about_report_bug", "問題の報告："},
    {"about_tagline",
     "コンピューターで再生されるすべての音に、真空管の温かみとスタジオ品質のコンプレッションを。"},
    {"about_version", "バージョン %s（ビルド %s）"},
    {"appearance", "外観"},
    {"autostart", "ログイン時に起動する"},
    {"cancel", "キャンセル"},
    {"close", "閉じる"},
    // Compressor presets.
    {"cpreset_gentle", "ジェントル"},
    {"cpreset_level", "レベラー"},
    {"cpreset_parallel", "パラレル"},
    {"cpreset_peaks", "ピークキャッチャー"},
    {"cpreset_punch", "パンチ"},
    {"cpreset_vocal", "ボーカル"},
    // Crash note.
    {"crash_discard", "破棄"},
    {"crash_send", "レポートを送信"},
    {"crash_text",
     "前回の実行中に Velmora が予期せず終了したため、サウンドを元の状態に戻しました。"
     "簡単なクラッシュレポートが保存されています。メールで送信しますか？"
     "レポートには音声や個人的なファイルは含まれず、問題の修正に役立ちます。"},
    {"crash_title", "Velmora が予期せず終了しました"},
    {"curve", "カーブ"},
    {"curve_in", "入力"},
    {"device", "出力デバイス"},
    {"device_follow", "システムのデフォルト"},
    {"err_no_device", "選択したデバイスが見つかりません"},
    {"fx_on_start", "起動時にエフェクトをオンにする"},
    {"group_mix", "ミックス"},
    {"group_output", "出力"},
    {"group_tone", "トーン"},
    {"group_tube", "真空管"},
    {"hint_reset", "ノブをダブルクリックするとリセットされます"},
    // Knob captions.
    {"knob_attack", "アタック"},
    {"knob_bass", "ベース"},
    {"knob_bias", "バイアス"},
    {"knob_blend", "ブレンド"},
    {"knob_drive", "ドライブ"},
    {"knob_fat", "ファット"},
    {"knob_knee", "ニー"},
    {"knob_makeup", "メイクアップ"},
    {"knob_mid", "ミドル"},
    {"knob_mix", "ミックス"},
    {"knob_output", "出力"},
    {"knob_presence", "プレゼンス"},
    {"knob_ratio", "レシオ"},
    {"knob_release", "リリース"},
    {"knob_threshold", "スレッショルド"},
    {"knob_treble", "トレブル"},
    {"language", "言語"},
    {"language_auto", "自動（システム）"},
    {"limiter", "リミッター"},
    {"on_top", "コンパクト表示を常に最前面に表示"},
    {"power_off", "オフ"},
    {"power_on", "オン"},
    // Tube presets and the preset menu.
    {"preset_crunch", "クランチ"},
    {"preset_custom", "カスタム"},
    {"preset_default_name", "マイプリセット %d"},
    {"preset_fat", "ファット"},
    {"preset_full",
     "プリセットが 100 件保存されています。新しく保存するには、いずれかを削除してください。"},
    {"preset_gentle", "ジェントル"},
    {"preset_glue", "グルー"},
    {"preset_loudness", "ラウドネス"},
    {"preset_modified", "変更あり"},
    {"preset_name", "名前"},
    {"preset_neutral", "ニュートラル"},
    {"preset_night", "ナイトモード"},
    {"preset_overwrite", "同じ名前のプリセットがあります。保存すると置き換えられます。"},
    {"preset_radio", "レトロラジオ"},
    {"preset_reserved", "この名前は内蔵プリセットで使用されています。"},
    {"preset_shine", "シャイン"},
    {"preset_vintage", "ヴィンテージ"},
    {"preset_voice", "ボイス"},
    {"preset_warm", "ウォーム"},
    {"presets_builtin", "内蔵"},
    {"presets_user", "マイプリセット"},
    {"remove_filter", "システムフィルターを削除"},
    {"remove_filter_hint",
     "Velmora がインストールしたシステム全体のオーディオフィルターを削除します。"
     "フィルターを再度設定するまで、サウンドはエフェクトなしで再生されます。"},
    {"save", "保存"},
    {"save_preset", "プリセットを保存"},
    {"settings", "設定"},
    // Footer status line.
    {"status_active", "有効：システムのすべての音が Velmora を通っています"},
    {"status_bypass", "バイパス：エフェクトはオフです"},
    {"status_chained", "有効：別のエフェクトとチェーン接続されています"},
    {"status_connecting", "サウンドサーバーに接続しています…"},
    {"status_no_server", "サウンドサーバーが見つかりません。再試行しています…"},
    {"status_other_instance",
     "Velmora は別の場所ですでに実行されているため、このコピーは待機しています"},
    {"status_select_output",
     "エフェクトを聴くには、サウンド設定で出力デバイスに「Velmora」を選択してください"},
    {"status_setup_needed", "初回のみオーディオの設定が必要です"},
    {"theme_dark", "ダーク"},
    {"theme_light", "ライト"},
    {"third_party", "サードパーティ製ソフトウェア"},
    {"unit_comp", "コンプレッサー"},
    {"unit_tube", "真空管プリアンプ"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "入力"},
    {"vu_out", "出力"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kJa = {"ja", "日本語", false, kEntries};

}  // namespace i18n::lang
