// Polish.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora zmienia brzmienie wszystkiego, co odtwarza komputer. Utrzymuj głośność na "
     "komfortowym poziomie: efekt może zwiększyć głośność dźwięku. Oprogramowanie jest "
     "dostarczane „tak, jak jest”, bez jakiejkolwiek gwarancji; autorzy nie ponoszą "
     "odpowiedzialności za uszkodzenie słuchu, głośników ani danych."},
    {"about_disclaimer_title", "Zastrzeżenie"},
    {"about_report_bug", "Zgłoś problem:"},
    {"about_tagline", "Ciepło lamp i studyjna kompresja dla wszystkiego, co odtwarza komputer."},
    {"about_version", "Wersja %s (kompilacja %s)"},
    // Settings page.
    {"appearance", "Wygląd"},
    {"autostart", "Uruchamiaj po zalogowaniu"},
    // Buttons.
    {"cancel", "Anuluj"},
    {"close", "Zamknij"},
    // Compressor presets.
    {"cpreset_gentle", "Łagodna"},
    {"cpreset_level", "Wyrównywanie"},
    {"cpreset_parallel", "Równoległa"},
    {"cpreset_peaks", "Łapacz szczytów"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Wokal"},
    // Crash note.
    {"crash_discard", "Odrzuć"},
    {"crash_send", "Wyślij raport"},
    {"crash_text",
     "Podczas ostatniego uruchomienia Velmora nieoczekiwanie zakończyła działanie, a dźwięk "
     "przywrócono do poprzedniego stanu. Zapisano krótki raport o awarii. Czy chcesz wysłać "
     "go do nas e-mailem? Nie zawiera on żadnego dźwięku ani plików osobistych, a pomoże nam "
     "rozwiązać problem."},
    {"crash_title", "Velmora nieoczekiwanie zakończyła działanie"},
    // Compressor graph.
    {"curve", "Krzywa"},
    {"curve_in", "Wejście"},
    // Settings page.
    {"device", "Urządzenie wyjściowe"},
    {"device_follow", "Domyślne w systemie"},
    {"err_no_device", "Nie znaleziono wybranego urządzenia"},
    {"fx_on_start", "Efekt włączony przy uruchomieniu"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Wyjście"},
    {"group_tone", "Barwa"},
    {"group_tube", "Lampa"},
    {"hint_reset", "Kliknij dwukrotnie pokrętło, aby je zresetować"},
    // Knob captions.
    {"knob_attack", "Attack"},
    {"knob_bass", "Bas"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Środek"},
    {"knob_mix", "Mix"},
    {"knob_output", "Wyjście"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Góra"},
    {"language", "Język"},
    {"language_auto", "Automatycznie (język systemu)"},
    {"limiter", "Limiter"},
    {"on_top", "Widok kompaktowy zawsze na wierzchu"},
    {"power_off", "Wył."},
    {"power_on", "Wł."},
    // Presets and the save dialog.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Własne"},
    {"preset_default_name", "Mój preset %d"},
    {"preset_fat", "Tłusty"},
    {"preset_full", "Zapisano już 100 presetów: usuń jeden, zanim zapiszesz kolejny."},
    {"preset_gentle", "Łagodny"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "zmieniony"},
    {"preset_name", "Nazwa"},
    {"preset_neutral", "Neutralny"},
    {"preset_night", "Tryb nocny"},
    {"preset_overwrite", "Preset o tej nazwie już istnieje i zostanie zastąpiony."},
    {"preset_radio", "Stare radio"},
    {"preset_reserved", "Ta nazwa należy do wbudowanego presetu."},
    {"preset_shine", "Blask"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Głos"},
    {"preset_warm", "Ciepły"},
    {"presets_builtin", "Wbudowane"},
    {"presets_user", "Moje presety"},
    {"remove_filter", "Usuń filtr systemowy"},
    {"remove_filter_hint",
     "Usuwa ogólnosystemowy filtr dźwięku zainstalowany przez program Velmora. Dźwięk będzie "
     "wtedy odtwarzany bez efektu, dopóki ponownie nie skonfigurujesz filtra."},
    {"save", "Zapisz"},
    {"save_preset", "Zapisz preset"},
    {"settings", "Ustawienia"},
    // Status line.
    {"status_active", "Aktywny: cały dźwięk systemu przechodzi przez program Velmora"},
    {"status_bypass", "Bypass: efekt jest wyłączony"},
    {"status_chained", "Aktywny w łańcuchu z innym efektem"},
    {"status_connecting", "Łączenie z serwerem dźwięku…"},
    {"status_no_server", "Nie znaleziono serwera dźwięku; ponawianie…"},
    {"status_other_instance",
     "Velmora działa już w innym miejscu; ta kopia pozostaje nieaktywna"},
    {"status_select_output",
     "Wybierz „Velmora” jako urządzenie wyjściowe w ustawieniach dźwięku, aby usłyszeć efekt"},
    {"status_setup_needed", "Wymagana jest jednorazowa konfiguracja dźwięku"},
    {"theme_dark", "Ciemny"},
    {"theme_light", "Jasny"},
    {"third_party", "Oprogramowanie innych producentów"},
    // Rack units and meter modes.
    {"unit_comp", "Kompresor"},
    {"unit_tube", "Przedwzmacniacz lampowy"},
    {"vu_gr", "GR"},
    {"vu_in", "We"},
    {"vu_out", "Wy"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kPl = {"pl", "Polski", false, kEntries};

}  // namespace i18n::lang
