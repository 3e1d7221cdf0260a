// Russian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora изменяет звучание всего, что воспроизводит компьютер. Держите громкость на "
     "комфортном уровне: эффект может сделать звук громче. Программа предоставляется "
     "«как есть», без каких-либо гарантий; авторы не несут ответственности за вред слуху, "
     "динамикам или данным."},
    {"about_disclaimer_title", "Отказ от ответственности"},
    {"about_report_bug", "Сообщить о проблеме:"},
    {"about_tagline",
     "Ламповое тепло и студийная компрессия для всего, что воспроизводит ваш компьютер."},
    {"about_version", "Версия %s (сборка %s)"},
    // Settings page.
    {"appearance", "Оформление"},
    {"autostart", "Запускать при входе в систему"},
    // Buttons.
    {"cancel", "Отмена"},
    {"close", "Закрыть"},
    // Compressor presets.
    {"cpreset_gentle", "Мягкая"},
    {"cpreset_level", "Выравнивание"},
    {"cpreset_parallel", "Параллельная"},
    {"cpreset_peaks", "Ловец пиков"},
    {"cpreset_punch", "Панч"},
    {"cpreset_vocal", "Вокал"},
    // Crash note.
    {"crash_discard", "Удалить"},
    {"crash_send", "Отправить отчёт"},
    {"crash_text",
     "При последнем запуске программа Velmora неожиданно завершила работу, а звук был "
     "возвращён в прежнее состояние. Сохранён краткий отчёт о сбое. Хотите отправить его нам "
     "по электронной почте? Он не содержит ни звука, ни личных файлов и поможет нам "
     "устранить проблему."},
    {"crash_title", "Velmora неожиданно завершила работу"},
    // Compressor graph.
    {"curve", "Кривая"},
    {"curve_in", "Вход"},
    // Settings page.
    {"device", "Устройство вывода"},
    {"device_follow", "По умолчанию в системе"},
    {"err_no_device", "Выбранное устройство не найдено"},
    {"fx_on_start", "Включать эффект при запуске"},
    // Group captions.
    {"group_mix", "Микс"},
    {"group_output", "Выход"},
    {"group_tone", "Тембр"},
    {"group_tube", "Лампа"},
    {"hint_reset", "Двойной щелчок по ручке сбрасывает её"},
    // Knob captions.
    {"knob_attack", "Атака"},
    {"knob_bass", "Низкие"},
    {"knob_bias", "Смещение"},
    {"knob_blend", "Бленд"},
    {"knob_drive", "Драйв"},
    {"knob_fat", "Плотность"},
    {"knob_knee", "Колено"},
    {"knob_makeup", "Компенсация"},
    {"knob_mid", "Средние"},
    {"knob_mix", "Микс"},
    {"knob_output", "Выход"},
    {"knob_presence", "Присутствие"},
    {"knob_ratio", "Соотношение"},
    {"knob_release", "Релиз"},
    {"knob_threshold", "Порог"},
    {"knob_treble", "Высокие"},
    {"language", "Язык"},
    {"language_auto", "Как в системе"},
    {"limiter", "Лимитер"},
    {"on_top", "Компактный вид поверх всех окон"},
    {"power_off", "Выкл."},
    {"power_on", "Вкл."},
    // Presets and the save dialog.
    {"preset_crunch", "Кранч"},
    {"preset_custom", "Пользовательский"},
    {"preset_default_name", "Мой пресет %d"},
    {"preset_fat", "Плотный"},
    {"preset_full", "Сохранено 100 пресетов: удалите один, прежде чем сохранять новый."},
    {"preset_gentle", "Мягкий"},
    {"preset_glue", "Склейка"},
    {"preset_loudness", "Тонкомпенсация"},
    {"preset_modified", "изменён"},
    {"preset_name", "Название"},
    {"preset_neutral", "Нейтральный"},
    {"preset_night", "Ночной режим"},
    {"preset_overwrite", "Пресет с таким названием уже существует и будет заменён."},
    {"preset_radio", "Старое радио"},
    {"preset_reserved", "Это название занято встроенным пресетом."},
    {"preset_shine", "Блеск"},
    {"preset_vintage", "Винтаж"},
    {"preset_voice", "Голос"},
    {"preset_warm", "Тёплый"},
    {"presets_builtin", "Встроенные"},
    {"presets_user", "Мои пресеты"},
    {"remove_filter", "Удалить системный фильтр"},
    {"remove_filter_hint",
     "Удаляет общесистемный аудиофильтр, установленный программой Velmora. После этого звук "
     "будет воспроизводиться без эффекта, пока вы снова не настроите фильтр."},
    {"save", "Сохранить"},
    {"save_preset", "Сохранить пресет"},
    {"settings", "Настройки"},
    // Status line.
    {"status_active", "Активен: весь системный звук проходит через Velmora"},
    {"status_bypass", "Обход: эффект выключен"},
    {"status_chained", "Активен в цепочке с другим эффектом"},
    {"status_connecting", "Подключение к звуковому серверу…"},
    {"status_no_server", "Звуковой сервер не найден; повторная попытка…"},
    {"status_other_instance",
     "Программа Velmora уже запущена в другом месте; эта копия неактивна"},
    {"status_select_output",
     "Чтобы услышать эффект, выберите «Velmora» в качестве устройства вывода "
     "в настройках звука"},
    {"status_setup_needed", "Требуется однократная настройка звука"},
    {"theme_dark", "Тёмная"},
    {"theme_light", "Светлая"},
    {"third_party", "Стороннее программное обеспечение"},
    // Rack units and meter modes.
    {"unit_comp", "Компрессор"},
    {"unit_tube", "Ламповый предусилитель"},
    {"vu_gr", "GR"},
    {"vu_in", "Вх"},
    {"vu_out", "Вых"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kRu = {"ru", "Русский", false, kEntries};

}  // namespace i18n::lang
