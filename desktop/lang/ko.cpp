// Korean.
// Sentences use the polite 합니다/하세요 style; audio terms in the Hangul
// spelling used in Korean studios.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora는 컴퓨터에서 재생되는 모든 소리를 바꿉니다. 효과로 인해 소리가 커질 수 "
     "있으니 볼륨을 편안한 수준으로 유지하세요. 이 소프트웨어는 어떠한 보증 없이 있는 그대로 "
     "제공되며, 제작자는 청력, 스피커 또는 데이터의 손상에 대해 책임지지 않습니다."},
    {"about_disclaimer_title", "면책 조항"},
    {"about_report_bug", "문제 신고:"},
    {"about_tagline",
     "컴퓨터에서 재생되는 모든 소리에 진공관의 따뜻함과 스튜디오급 컴프레션을 더합니다."},
    {"about_version", "버전 %s (빌드 %s)"},
    {"appearance", "모양"},
    {"autostart", "로그인할 때 시작"},
    {"cancel", "취소"},
    {"close", "닫기"},
    // Compressor presets.
    {"cpreset_gentle", "젠틀"},
    {"cpreset_level", "레벨러"},
    {"cpreset_parallel", "패러렐"},
    {"cpreset_peaks", "피크 캐처"},
    {"cpreset_punch", "펀치"},
    {"cpreset_vocal", "보컬"},
    // Crash note.
    {"crash_discard", "삭제"},
    {"crash_send", "보고서 보내기"},
    {"crash_text",
     "지난번 실행 중에 Velmora가 예기치 않게 종료되어 사운드를 원래 상태로 되돌렸습니다. "
     "간단한 오류 보고서가 저장되었습니다. 이메일로 보내시겠습니까? 보고서에는 오디오나 "
     "개인 파일이 포함되지 않으며, 문제를 해결하는 데 도움이 됩니다."},
    {"crash_title", "Velmora가 예기치 않게 종료되었습니다"},
    {"curve", "커브"},
    {"curve_in", "입력"},
    {"device", "출력 장치"},
    {"device_follow", "시스템 기본값"},
    {"err_no_device", "선택한 장치를 찾을 수 없음"},
    {"fx_on_start", "시작할 때 효과 켜기"},
    {"group_mix", "믹스"},
    {"group_output", "출력"},
    {"group_tone", "톤"},
    {"group_tube", "진공관"},
    {"hint_reset", "노브를 두 번 클릭하면 초기화됩니다"},
    // Knob captions.
    {"knob_attack", "어택"},
    {"knob_bass", "베이스"},
    {"knob_bias", "바이어스"},
    {"knob_blend", "블렌드"},
    {"knob_drive", "드라이브"},
    {"knob_fat", "팻"},
    {"knob_knee", "니"},
    {"knob_makeup", "메이크업"},
    {"knob_mid", "미드"},
    {"knob_mix", "믹스"},
    {"knob_output", "출력"},
    {"knob_presence", "프레즌스"},
    {"knob_ratio", "레이쇼"},
    {"knob_release", "릴리즈"},
    {"knob_threshold", "스레숄드"},
    {"knob_treble", "트레블"},
    {"language", "언어"},
    {"language_auto", "자동(시스템)"},
    {"limiter", "리미터"},
    {"on_top", "컴팩트 보기를 항상 위에 표시"},
    {"power_off", "끔"},
    {"power_on", "켬"},
    // Tube presets and the preset menu.
    {"preset_crunch", "크런치"},
    {"preset_custom", "사용자 지정"},
    {"preset_default_name", "내 프리셋 %d"},
    {"preset_fat", "팻"},
    {"preset_full", "프리셋이 100개 저장되어 있습니다. 새로 저장하려면 하나를 삭제하세요."},
    {"preset_gentle", "젠틀"},
    {"preset_glue", "글루"},
    {"preset_loudness", "라우드니스"},
    {"preset_modified", "수정됨"},
    {"preset_name", "이름"},
    {"preset_neutral", "뉴트럴"},
    {"preset_night", "야간 모드"},
    {"preset_overwrite", "같은 이름의 프리셋이 있으며, 저장하면 대체됩니다."},
    {"preset_radio", "옛날 라디오"},
    {"preset_reserved", "이 이름은 기본 제공 프리셋에서 사용 중입니다."},
    {"preset_shine", "샤인"},
    {"preset_vintage", "빈티지"},
    {"preset_voice", "보이스"},
    {"preset_warm", "웜"},
    {"presets_builtin", "기본 제공"},
    {"presets_user", "내 프리셋"},
    {"remove_filter", "시스템 필터 제거"},
    {"remove_filter_hint",
     "Velmora가 설치한 시스템 전체 오디오 필터를 제거합니다. 필터를 다시 설정할 때까지 "
     "소리가 효과 없이 재생됩니다."},
    {"save", "저장"},
    {"save_preset", "프리셋 저장"},
    {"settings", "설정"},
    // Footer status line.
    {"status_active", "활성: 모든 시스템 소리가 Velmora를 거칩니다"},
    {"status_bypass", "바이패스: 효과가 꺼져 있습니다"},
    {"status_chained", "활성: 다른 효과와 체인으로 연결되어 있습니다"},
    {"status_connecting", "사운드 서버에 연결하는 중…"},
    {"status_no_server", "사운드 서버를 찾을 수 없습니다. 다시 시도하는 중…"},
    {"status_other_instance", "Velmora가 이미 다른 곳에서 실행 중이므로 이 인스턴스는 대기합니다"},
    {"status_select_output",
     "효과를 들으려면 사운드 설정에서 출력 장치로 “Velmora”를 선택하세요"},
    {"status_setup_needed", "최초 한 번 오디오 설정이 필요합니다"},
    {"theme_dark", "어둡게"},
    {"theme_light", "밝게"},
    {"third_party", "타사 소프트웨어"},
    {"unit_comp", "컴프레서"},
    {"unit_tube", "진공관 프리앰프"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "입력"},
    {"vu_out", "출력"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kKo = {"ko", "한국어", false, kEntries};

}  // namespace i18n::lang
