// Croatian.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora mijenja zvuk svega što vaše računalo reproducira. Glasnoću držite na ugodnoj "
     "razini: efekt može pojačati zvuk. Softver se isporučuje takav kakav jest, bez ikakvog "
     "jamstva; autori ne odgovaraju za oštećenje sluha, zvučnika ili podataka."},
    {"about_disclaimer_title", "Odricanje od odgovornosti"},
    {"about_report_bug", "Prijava problema:"},
    {"about_tagline",
     "Toplina elektronskih cijevi i studijska kompresija za sve što vaše računalo reproducira."},
    {"about_version", "Verzija %s (izgradnja %s)"},
    // Settings page.
    {"appearance", "Izgled"},
    {"autostart", "Pokreni pri prijavi"},
    // Buttons.
    {"cancel", "Odustani"},
    {"close", "Zatvori"},
    // Compressor presets.
    {"cpreset_gentle", "Nježna"},
    {"cpreset_level", "Ujednačavanje"},
    {"cpreset_parallel", "Paralelna"},
    {"cpreset_peaks", "Hvatač vrhova"},
    {"cpreset_punch", "Punch"},
    {"cpreset_vocal", "Vokal"},
    // Crash note.
    {"crash_discard", "Odbaci"},
    {"crash_send", "Pošalji izvješće"},
    {"crash_text",
     "Velmora se pri posljednjem pokretanju neočekivano zatvorila, a zvuk je vraćen u "
     "prethodno stanje. Spremljeno je kratko izvješće o rušenju. Želite li nam ga poslati "
     "e-poštom? Ne sadrži zvuk ni osobne datoteke, a pomaže nam otkloniti problem."},
    {"crash_title", "Velmora se neočekivano zatvorila"},
    // Compressor graph.
    {"curve", "Krivulja"},
    {"curve_in", "Ulaz"},
    // Settings page.
    {"device", "Izlazni uređaj"},
    {"device_follow", "Zadano u sustavu"},
    {"err_no_device", "Odabrani uređaj nije pronađen"},
    {"fx_on_start", "Efekt uključen pri pokretanju"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Izlaz"},
    {"group_tone", "Ton"},
    {"group_tube", "Cijev"},
    {"hint_reset", "Dvoklik na regulator vraća ga na zadano"},
    // Knob captions.
    {"knob_attack", "Attack"},
    {"knob_bass", "Bas"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Srednji"},
    {"knob_mix", "Mix"},
    {"knob_output", "Izlaz"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Visoki"},
    {"language", "Jezik"},
    {"language_auto", "Automatski (jezik sustava)"},
    {"limiter", "Limiter"},
    {"on_top", "Kompaktni prikaz uvijek na vrhu"},
    {"power_off", "Isklj."},
    {"power_on", "Uklj."},
    // Presets and the save dialog.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Prilagođeno"},
    {"preset_default_name", "Moj preset %d"},
    {"preset_fat", "Debeo"},
    {"preset_full", "Spremljeno je 100 preseta: izbrišite jedan prije spremanja novog."},
    {"preset_gentle", "Nježan"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "izmijenjeno"},
    {"preset_name", "Naziv"},
    {"preset_neutral", "Neutralan"},
    {"preset_night", "Noćni način"},
    {"preset_overwrite", "Preset s tim nazivom već postoji i bit će zamijenjen."},
    {"preset_radio", "Stari radio"},
    {"preset_reserved", "Taj naziv pripada ugrađenom presetu."},
    {"preset_shine", "Sjaj"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Glas"},
    {"preset_warm", "Topao"},
    {"presets_builtin", "Ugrađeni"},
    {"presets_user", "Moji preseti"},
    {"remove_filter", "Ukloni filtar sustava"},
    {"remove_filter_hint",
     "Uklanja zvučni filtar za cijeli sustav koji je instalirala Velmora. Zvuk će se zatim "
     "reproducirati bez efekta dok ponovno ne postavite filtar."},
    {"save", "Spremi"},
    {"save_preset", "Spremi preset"},
    {"settings", "Postavke"},
    // Status line.
    {"status_active", "Aktivno: sav zvuk sustava prolazi kroz program Velmora"},
    {"status_bypass", "Premošćeno: efekt je isključen"},
    {"status_chained", "Aktivno u lancu s drugim efektom"},
    {"status_connecting", "Povezivanje sa zvučnim poslužiteljem…"},
    {"status_no_server", "Zvučni poslužitelj nije pronađen; ponovni pokušaj…"},
    {"status_other_instance",
     "Velmora je već pokrenuta negdje drugdje; ova kopija ostaje neaktivna"},
    {"status_select_output",
     "Odaberite „Velmora“ kao izlazni uređaj u postavkama zvuka da biste čuli efekt"},
    {"status_setup_needed", "Potrebno je jednokratno postavljanje zvuka"},
    {"theme_dark", "Tamna"},
    {"theme_light", "Svijetla"},
    {"third_party", "Softver trećih strana"},
    // Rack units and meter modes.
    {"unit_comp", "Kompresor"},
    {"unit_tube", "Cijevno pretpojačalo"},
    {"vu_gr", "GR"},
    {"vu_in", "Ul"},
    {"vu_out", "Izl"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kHr = {"hr", "Hrvatski", false, kEntries};

}  // namespace i18n::lang
