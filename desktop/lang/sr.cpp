// Serbian (Cyrillic).
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora мења звук свега што ваш рачунар репродукује. Јачину звука држите на пријатном "
     "нивоу: ефекат може да појача звук. Софтвер се испоручује такав какав јесте, без "
     "икакве гаранције; аутори не одговарају за оштећење слуха, звучника или података."},
    {"about_disclaimer_title", "Одрицање одговорности"},
    {"about_report_bug", "Пријава проблема:"},
    {"about_tagline",
     "Топлина цеви и студијска компресија за све што ваш рачунар репродукује."},
    {"about_version", "Верзија %s (изградња %s)"},
    // Settings page.
    {"appearance", "Изглед"},
    {"autostart", "Покрени при пријављивању"},
    // Buttons.
    {"cancel", "Откажи"},
    {"close", "Затвори"},
    // Compressor presets.
    {"cpreset_gentle", "Нежна"},
    {"cpreset_level", "Уједначавање"},
    {"cpreset_parallel", "Паралелна"},
    {"cpreset_peaks", "Хватач врхова"},
    {"cpreset_punch", "Ударност"},
    {"cpreset_vocal", "Вокал"},
    // Crash note.
    {"crash_discard", "Одбаци"},
    {"crash_send", "Пошаљи извештај"},
    {"crash_text",
     "Програм Velmora се при последњем покретању неочекивано затворио, а звук је враћен у "
     "претходно стање. Сачуван је кратак извештај о паду. Да ли желите да нам га пошаљете "
     "е-поштом? Не садржи звук ни личне датотеке и помаже нам да отклонимо проблем."},
    {"crash_title", "Програм Velmora се неочекивано затворио"},
    // Compressor graph.
    {"curve", "Крива"},
    {"curve_in", "Улаз"},
    // Settings page.
    {"device", "Излазни уређај"},
    {"device_follow", "Подразумевани системски"},
    {"err_no_device", "Изабрани уређај није пронађен"},
    {"fx_on_start", "Ефекат укључен при покретању"},
    // Group captions.
    {"group_mix", "Микс"},
    {"group_output", "Излаз"},
    {"group_tone", "Тон"},
    {"group_tube", "Цев"},
    {"hint_reset", "Двокликом ресетујете регулатор"},
    // Knob captions.
    {"knob_attack", "Атак"},
    {"knob_bass", "Бас"},
    {"knob_bias", "Преднапон"},
    {"knob_blend", "Мешање"},
    {"knob_drive", "Драјв"},
    {"knob_fat", "Пуноћа"},
    {"knob_knee", "Прелаз"},
    {"knob_makeup", "Надокнада"},
    {"knob_mid", "Средњи"},
    {"knob_mix", "Микс"},
    {"knob_output", "Излаз"},
    {"knob_presence", "Присутност"},
    {"knob_ratio", "Однос"},
    {"knob_release", "Отпуштање"},
    {"knob_threshold", "Праг"},
    {"knob_treble", "Високи"},
    {"language", "Језик"},
    {"language_auto", "Аутоматски (систем)"},
    {"limiter", "Лимитер"},
    {"on_top", "Компактни приказ увек на врху"},
    {"power_off", "Искљ."},
    {"power_on", "Укљ."},
    // Presets and the save dialog.
    {"preset_crunch", "Кранч"},
    {"preset_custom", "Прилагођено"},
    {"preset_default_name", "Мој пресет %d"},
    {"preset_fat", "Пун звук"},
    {"preset_full", "Сачувано је 100 пресета: обришите један пре чувања новог."},
    {"preset_gentle", "Нежан"},
    {"preset_glue", "Кохезија"},
    {"preset_loudness", "Гласноћа"},
    {"preset_modified", "измењено"},
    {"preset_name", "Назив"},
    {"preset_neutral", "Неутралан"},
    {"preset_night", "Ноћни режим"},
    {"preset_overwrite", "Пресет са тим називом већ постоји и биће замењен."},
    {"preset_radio", "Стари радио"},
    {"preset_reserved", "Тај назив припада уграђеном пресету."},
    {"preset_shine", "Сјај"},
    {"preset_vintage", "Винтиџ"},
    {"preset_voice", "Глас"},
    {"preset_warm", "Топао"},
    {"presets_builtin", "Уграђени"},
    {"presets_user", "Моји пресети"},
    {"remove_filter", "Уклони системски филтер"},
    {"remove_filter_hint",
     "Уклања системски звучни филтер који је инсталирао програм Velmora. Звук ће се затим "
     "пуштати без ефекта док поново не подесите филтер."},
    {"save", "Сачувај"},
    {"save_preset", "Сачувај пресет"},
    {"settings", "Подешавања"},
    // Status line.
    {"status_active", "Активно: сав системски звук пролази кроз програм Velmora"},
    {"status_bypass", "Премошћено: ефекат је искључен"},
    {"status_chained", "Активно у ланцу са другим ефектом"},
    {"status_connecting", "Повезивање са звучним сервером…"},
    {"status_no_server", "Звучни сервер није пронађен; нови покушај…"},
    {"status_other_instance",
     "Програм Velmora је већ покренут на другом месту; ова копија мирује"},
    {"status_select_output",
     "Изаберите „Velmora“ као излазни уређај у подешавањима звука да бисте чули ефекат"},
    {"status_setup_needed", "Потребно је једнократно подешавање звука"},
    {"theme_dark", "Тамна"},
    {"theme_light", "Светла"},
    {"third_party", "Софтвер трећих страна"},
    // Rack units and meter modes.
    {"unit_comp", "Компресор"},
    {"unit_tube", "Цевно претпојачало"},
    {"vu_gr", "GR"},
    {"vu_in", "Ул"},
    {"vu_out", "Из"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kSr = {"sr", "Српски", false, kEntries};

}  // namespace i18n::lang
