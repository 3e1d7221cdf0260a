// Ukrainian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora змінює звучання всього, що відтворює комп’ютер. Тримайте гучність на "
     "комфортному рівні: ефект може зробити звук гучнішим. Програма надається «як є», без "
     "жодних гарантій; автори не несуть відповідальності за шкоду слуху, динамікам чи "
     "даним."},
    {"about_disclaimer_title", "Відмова від відповідальності"},
    {"about_report_bug", "Повідомити про проблему:"},
    {"about_tagline",
     "Лампове тепло і студійна компресія для всього, що відтворює ваш комп’ютер."},
    {"about_version", "Версія %s (збірка %s)"},
    // Settings page.
    {"appearance", "Вигляд"},
    {"autostart", "Запускати під час входу в систему"},
    // Buttons.
    {"cancel", "Скасувати"},
    {"close", "Закрити"},
    // Compressor presets.
    {"cpreset_gentle", "М’яка"},
    {"cpreset_level", "Вирівнювання"},
    {"cpreset_parallel", "Паралельна"},
    {"cpreset_peaks", "Ловець піків"},
    {"cpreset_punch", "Панч"},
    {"cpreset_vocal", "Вокал"},
    // Crash note.
    {"crash_discard", "Видалити"},
    {"crash_send", "Надіслати звіт"},
    {"crash_text",
     "Під час останнього запуску програма Velmora неочікувано завершила роботу, а звук було "
     "повернено до попереднього стану. Збережено короткий звіт про збій. Бажаєте надіслати "
     "його нам електронною поштою? Він не містить ні звуку, ні особистих файлів і допоможе "
     "нам усунути проблему."},
    {"crash_title", "Програма Velmora неочікувано завершила роботу"},
    // Compressor graph.
    {"curve", "Крива"},
    {"curve_in", "Вхід"},
    // Settings page.
    {"device", "Пристрій виведення"},
    {"device_follow", "Типовий системний"},
    {"err_no_device", "Вибраний пристрій не знайдено"},
    {"fx_on_start", "Вмикати ефект під час запуску"},
    // Group captions.
    {"group_mix", "Мікс"},
    {"group_output", "Вихід"},
    {"group_tone", "Тембр"},
    {"group_tube", "Лампа"},
    {"hint_reset", "Двічі клацніть регулятор, щоб скинути його"},
    // Knob captions.
    {"knob_attack", "Атака"},
    {"knob_bass", "Низькі"},
    {"knob_bias", "Зміщення"},
    {"knob_blend", "Бленд"},
    {"knob_drive", "Драйв"},
    {"knob_fat", "Щільність"},
    {"knob_knee", "Коліно"},
    {"knob_makeup", "Компенсація"},
    {"knob_mid", "Середні"},
    {"knob_mix", "Мікс"},
    {"knob_output", "Вихід"},
    {"knob_presence", "Присутність"},
    {"knob_ratio", "Коефіцієнт"},
    {"knob_release", "Реліз"},
    {"knob_threshold", "Поріг"},
    {"knob_treble", "Високі"},
    {"language", "Мова"},
    {"language_auto", "Як у системі"},
    {"limiter", "Лімітер"},
    {"on_top", "Компактний вигляд поверх усіх вікон"},
    {"power_off", "Вимк."},
    {"power_on", "Увімк."},
    // Presets and the save dialog.
    {"preset_crunch", "Кранч"},
    {"preset_custom", "Власний"},
    {"preset_default_name", "Мій пресет %d"},
    {"preset_fat", "Щільний"},
    {"preset_full", "Збережено 100 пресетів: видаліть один, перш ніж зберігати новий."},
    {"preset_gentle", "М’який"},
    {"preset_glue", "Склеювання"},
    {"preset_loudness", "Тонкомпенсація"},
    {"preset_modified", "змінено"},
    {"preset_name", "Назва"},
    {"preset_neutral", "Нейтральний"},
    {"preset_night", "Нічний режим"},
    {"preset_overwrite", "Пресет із такою назвою вже існує і буде замінений."},
    {"preset_radio", "Старе радіо"},
    {"preset_reserved", "Ця назва належить вбудованому пресету."},
    {"preset_shine", "Блиск"},
    {"preset_vintage", "Вінтаж"},
    {"preset_voice", "Голос"},
    {"preset_warm", "Теплий"},
    {"presets_builtin", "Вбудовані"},
    {"presets_user", "Мої пресети"},
    {"remove_filter", "Вилучити системний фільтр"},
    {"remove_filter_hint",
     "Вилучає загальносистемний аудіофільтр, установлений програмою Velmora. Після цього "
     "звук відтворюватиметься без ефекту, доки ви знову не налаштуєте фільтр."},
    {"save", "Зберегти"},
    {"save_preset", "Зберегти пресет"},
    {"settings", "Налаштування"},
    // Status line.
    {"status_active", "Активний: увесь системний звук проходить через Velmora"},
    {"status_bypass", "Обхід: ефект вимкнено"},
    {"status_chained", "Активний у ланцюжку з іншим ефектом"},
    {"status_connecting", "Підключення до звукового сервера…"},
    {"status_no_server", "Звуковий сервер не знайдено; повторна спроба…"},
    {"status_other_instance",
     "Програма Velmora вже працює в іншому місці; ця копія залишається неактивною"},
    {"status_select_output",
     "Щоб почути ефект, виберіть «Velmora» як пристрій виведення в налаштуваннях звуку"},
    {"status_setup_needed", "Потрібне одноразове налаштування звуку"},
    {"theme_dark", "Темна"},
    {"theme_light", "Світла"},
    {"third_party", "Стороннє програмне забезпечення"},
    // Rack units and meter modes.
    {"unit_comp", "Компресор"},
    {"unit_tube", "Ламповий передпідсилювач"},
    {"vu_gr", "GR"},
    {"vu_in", "Вх"},
    {"vu_out", "Вих"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kUk = {"uk", "Українська", false, kEntries};

}  // namespace i18n::lang
