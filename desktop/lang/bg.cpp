// Bulgarian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora променя звука на всичко, което компютърът ви възпроизвежда. Поддържайте "
     "силата на звука на комфортно ниво: ефектът може да усили звука. Софтуерът се "
     "предоставя „както е“, без каквато и да е гаранция; авторите не носят отговорност за "
     "увреждане на слуха, тонколоните или данните."},
    {"about_disclaimer_title", "Отказ от отговорност"},
    {"about_report_bug", "Съобщете за проблем:"},
    {"about_tagline",
     "Лампова топлина и студийна компресия за всичко, което компютърът ви възпроизвежда."},
    {"about_version", "Версия %s (компилация %s)"},
    // Settings page.
    {"appearance", "Външен вид"},
    {"autostart", "Стартиране при влизане в системата"},
    // Buttons.
    {"cancel", "Отказ"},
    {"close", "Затваряне"},
    // Compressor presets.
    {"cpreset_gentle", "Мека"},
    {"cpreset_level", "Изравняване"},
    {"cpreset_parallel", "Паралелна"},
    {"cpreset_peaks", "Ловец на пикове"},
    {"cpreset_punch", "Пънч"},
    {"cpreset_vocal", "Вокал"},
    // Crash note.
    {"crash_discard", "Отхвърляне"},
    {"crash_send", "Изпращане на отчет"},
    {"crash_text",
     "При последното си изпълнение Velmora спря неочаквано, а звукът беше възстановен както "
     "преди. Запазен е кратък отчет за срива. Искате ли да ни го изпратите по имейл? Той не "
     "съдържа звук или лични файлове и ни помага да отстраним проблема."},
    {"crash_title", "Velmora спря неочаквано"},
    // Compressor graph.
    {"curve", "Крива"},
    {"curve_in", "Вход"},
    // Settings page.
    {"device", "Изходно устройство"},
    {"device_follow", "Системно по подразбиране"},
    {"err_no_device", "Избраното устройство не е намерено"},
    {"fx_on_start", "Ефектът е включен при стартиране"},
    // Group captions.
    {"group_mix", "Микс"},
    {"group_output", "Изход"},
    {"group_tone", "Тембър"},
    {"group_tube", "Лампа"},
    {"hint_reset", "Щракнете двукратно върху копче, за да го нулирате"},
    // Knob captions.
    {"knob_attack", "Атака"},
    {"knob_bass", "Ниски"},
    {"knob_bias", "Отместване"},
    {"knob_blend", "Смесване"},
    {"knob_drive", "Драйв"},
    {"knob_fat", "Плътност"},
    {"knob_knee", "Коляно"},
    {"knob_makeup", "Компенсация"},
    {"knob_mid", "Средни"},
    {"knob_mix", "Микс"},
    {"knob_output", "Изход"},
    {"knob_presence", "Присъствие"},
    {"knob_ratio", "Съотношение"},
    {"knob_release", "Отпускане"},
    {"knob_threshold", "Праг"},
    {"knob_treble", "Високи"},
    {"language", "Език"},
    {"language_auto", "Автоматично (от системата)"},
    {"limiter", "Лимитер"},
    {"on_top", "Компактният изглед винаги отгоре"},
    {"power_off", "Изкл."},
    {"power_on", "Вкл."},
    // Presets and the save dialog.
    {"preset_crunch", "Крънч"},
    {"preset_custom", "Потребителски"},
    {"preset_default_name", "Мой пресет %d"},
    {"preset_fat", "Плътен"},
    {"preset_full", "Запазени са 100 пресета: изтрийте един, преди да запазите нов."},
    {"preset_gentle", "Мек"},
    {"preset_glue", "Лепило"},
    {"preset_loudness", "Тонкомпенсация"},
    {"preset_modified", "променен"},
    {"preset_name", "Име"},
    {"preset_neutral", "Неутрален"},
    {"preset_night", "Нощен режим"},
    {"preset_overwrite", "Пресет с това име вече съществува и ще бъде заменен."},
    {"preset_radio", "Старо радио"},
    {"preset_reserved", "Това име принадлежи на вграден пресет."},
    {"preset_shine", "Блясък"},
    {"preset_vintage", "Винтидж"},
    {"preset_voice", "Глас"},
    {"preset_warm", "Топъл"},
    {"presets_builtin", "Вградени"},
    {"presets_user", "Моите пресети"},
    {"remove_filter", "Премахване на системния филтър"},
    {"remove_filter_hint",
     "Премахва общосистемния аудиофилтър, инсталиран от Velmora. След това звукът ще се "
     "възпроизвежда без ефекта, докато не настроите филтъра отново."},
    {"save", "Запазване"},
    {"save_preset", "Запазване на пресет"},
    {"settings", "Настройки"},
    // Status line.
    {"status_active", "Активен: целият системен звук минава през Velmora"},
    {"status_bypass", "Байпас: ефектът е изключен"},
    {"status_chained", "Активен във верига с друг ефект"},
    {"status_connecting", "Свързване със звуковия сървър…"},
    {"status_no_server", "Не е намерен звуков сървър; нов опит…"},
    {"status_other_instance", "Velmora вече работи другаде; това копие остава неактивно"},
    {"status_select_output",
     "Изберете „Velmora“ за изходно устройство в настройките за звук, за да чуете ефекта"},
    {"status_setup_needed", "Необходима е еднократна настройка на звука"},
    {"theme_dark", "Тъмна"},
    {"theme_light", "Светла"},
    {"third_party", "Софтуер на трети страни"},
    // Rack units and meter modes.
    {"unit_comp", "Компресор"},
    {"unit_tube", "Лампов предусилвател"},
    {"vu_gr", "GR"},
    {"vu_in", "Вх"},
    {"vu_out", "Изх"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kBg = {"bg", "Български", false, kEntries};

}  // namespace i18n::lang
