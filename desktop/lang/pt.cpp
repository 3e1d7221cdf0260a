// Portuguese, Brazilian throughout (the code stays "pt"): "Salvar", "Configurações",
// gerunds such as "Conectando", "tudo que"; third-person imperatives ("Selecione",
// "Mantenha").
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "O Velmora altera o som de tudo que o computador reproduz. Mantenha o volume em um "
     "nível confortável: o efeito pode deixar o som mais alto. O software é fornecido no "
     "estado em que se encontra, sem garantia de qualquer tipo; os autores não se responsabilizam por danos à "
     "audição, ao equipamento de som ou aos dados."},
    {"about_disclaimer_title", "Aviso legal"},
    {"about_report_bug", "Relatar um problema:"},
    {"about_tagline",
     "Calor de válvulas e compressão de estúdio para tudo que o computador reproduz."},
    {"about_version", "Versão %s (compilação %s)"},
    // Settings page.
    {"appearance", "Aparência"},
    {"autostart", "Abrir ao iniciar a sessão"},
    // Buttons.
    {"cancel", "Cancelar"},
    {"close", "Fechar"},
    // Compressor presets.
    {"cpreset_gentle", "Suave"},
    {"cpreset_level", "Nivelador"},
    {"cpreset_parallel", "Paralelo"},
    {"cpreset_peaks", "Domador de picos"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vocal"},
    // Crash note.
    {"crash_discard", "Descartar"},
    {"crash_send", "Enviar relatório"},
    {"crash_text",
     "O Velmora fechou inesperadamente na última execução, e o som foi restaurado como "
     "estava antes. Foi criado um breve relatório de falha. Deseja enviá-lo aos autores por "
     "e-mail? Não contém áudio nem documentos pessoais e ajuda a corrigir o problema."},
    {"crash_title", "O Velmora fechou inesperadamente"},
    // Compressor graph.
    {"curve", "Curva"},
    {"curve_in", "Entrada"},
    // Settings page: output device.
    {"device", "Dispositivo de saída"},
    {"device_follow", "Padrão do sistema"},
    {"err_no_device", "Dispositivo escolhido não encontrado"},
    {"fx_on_start", "Efeito ativo ao iniciar"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Saída"},
    {"group_tone", "Tom"},
    {"group_tube", "Válvula"},
    {"hint_reset", "Clique duas vezes sobre um botão para restaurar o valor inicial"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Graves"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Médios"},
    {"knob_mix", "Mix"},
    {"knob_output", "Saída"},
    {"knob_presence", "Presença"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Agudos"},
    // Settings page: language.
    {"language", "Idioma"},
    {"language_auto", "Automático (sistema)"},
    {"limiter", "Limitador"},
    {"on_top", "Modo compacto sempre à frente"},
    // Power buttons: state words short enough for the compact view's button
    // ("Desligado" does not fit).
    {"power_off", "Desligado"},
    {"power_on", "Ligado"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Personalizado"},
    {"preset_default_name", "Meu preset %d"},
    {"preset_fat", "Encorpado"},
    {"preset_full", "Limite de 100 presets atingido: apague um antes de salvar outro."},
    {"preset_gentle", "Suave"},
    {"preset_glue", "Coesão"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "modificado"},
    {"preset_name", "Nome"},
    {"preset_neutral", "Neutro"},
    {"preset_night", "Modo noturno"},
    {"preset_overwrite", "Já existe um preset com este nome, que será substituído."},
    {"preset_radio", "Rádio antigo"},
    {"preset_reserved", "Este nome pertence a um preset de fábrica."},
    {"preset_shine", "Brilho"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Voz"},
    {"preset_warm", "Quente"},
    {"presets_builtin", "De fábrica"},
    {"presets_user", "Meus presets"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Remover filtro do sistema"},
    {"remove_filter_hint",
     "Remove o filtro de áudio que o Velmora instalou em todo o sistema. O som passa então a "
     "ser reproduzido sem o efeito até que o filtro seja configurado novamente."},
    {"save", "Salvar"},
    {"save_preset", "Salvar preset"},
    {"settings", "Configurações"},
    // Status line.
    {"status_active", "Ativo: todo o som do sistema passa pelo Velmora"},
    {"status_bypass", "Bypass: o efeito está desligado"},
    {"status_chained", "Ativo em cadeia com outro efeito"},
    {"status_connecting", "Conectando ao servidor de som…"},
    {"status_no_server", "Nenhum servidor de som encontrado; tentando novamente…"},
    {"status_other_instance", "Outra cópia do Velmora já está em execução; esta ficará inativa"},
    {"status_select_output",
     "Selecione “Velmora” como dispositivo de saída nas configurações de som para ouvir o "
     "efeito"},
    {"status_setup_needed", "É necessária uma configuração inicial de áudio"},
    // Theme switch.
    {"theme_dark", "Escuro"},
    {"theme_light", "Claro"},
    {"third_party", "Software de terceiros"},
    // Rack units.
    {"unit_comp", "Compressor"},
    {"unit_tube", "Pré-amp de válvulas"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kPt = {"pt", "Português", false, kEntries};

}  // namespace i18n::lang
