// Finnish.
// Imperatives and passive forms as in Finnish desktop software; the user is
// addressed as "sinä" where a question needs it.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    // About box.
    {"about_disclaimer",
     "Velmora muuttaa kaiken tietokoneesi toistaman äänen. Pidä äänenvoimakkuus "
     "miellyttävällä tasolla: efekti voi voimistaa ääntä. Ohjelmisto toimitetaan "
     "sellaisenaan ilman minkäänlaista takuuta; tekijät eivät vastaa kuulolle, kaiuttimille "
     "tai tiedoille aiheutuvista vahingoista."},
    {"about_disclaimer_title", "Vastuuvapauslauseke"},
    {"about_report_bug", "Ilmoita ongelmasta:"},
    {"about_tagline", "Putkilämpöä ja studiokompressiota kaikkeen, mitä tietokoneesi toistaa."},
    {"about_version", "Versio %s (koontiversio %s)"},
    // Settings page.
    {"appearance", "Ulkoasu"},
    {"autostart", "Käynnistä kirjautumisen yhteydessä"},
    // Buttons.
    {"cancel", "Peruuta"},
    {"close", "Sulje"},
    // Compressor presets.
    {"cpreset_gentle", "Pehmeä"},
    {"cpreset_level", "Tasoittaja"},
    {"cpreset_parallel", "Rinnakkainen"},
    {"cpreset_peaks", "Huippujen kesytys"},
    {"cpreset_punch", "Iskevä"},
    {"cpreset_vocal", "Laulu"},
    // Crash note.
    {"crash_discard", "Hylkää"},
    {"crash_send", "Lähetä raportti"},
    {"crash_text",
     "Velmora sulkeutui odottamatta edellisellä käyttökerralla, ja äänentoisto palautettiin "
     "ennalleen. Lyhyt kaatumisraportti tallennettiin. Haluatko lähettää sen meille "
     "sähköpostitse? Se ei sisällä ääntä eikä henkilökohtaisia tiedostoja, ja se auttaa meitä "
     "korjaamaan ongelman."},
    {"crash_title", "Velmora sulkeutui odottamatta"},
    // Compressor graph.
    {"curve", "Käyrä"},
    {"curve_in", "Tulo"},
    // Settings page: output device.
    {"device", "Toistolaite"},
    {"device_follow", "Järjestelmän oletus"},
    {"err_no_device", "Valittua laitetta ei löydy"},
    {"fx_on_start", "Efekti päällä käynnistettäessä"},
    // Group captions.
    {"group_mix", "Mix"},
    {"group_output", "Lähtö"},
    {"group_tone", "Sävy"},
    {"group_tube", "Putki"},
    {"hint_reset", "Palauta säädin kaksoisnapsauttamalla"},
    // Knob captions (about 12 characters).
    {"knob_attack", "Attack"},
    {"knob_bass", "Basso"},
    {"knob_bias", "Bias"},
    {"knob_blend", "Blend"},
    {"knob_drive", "Drive"},
    {"knob_fat", "Fat"},
    {"knob_knee", "Knee"},
    {"knob_makeup", "Makeup"},
    {"knob_mid", "Keskiäänet"},
    {"knob_mix", "Mix"},
    {"knob_output", "Lähtö"},
    {"knob_presence", "Presence"},
    {"knob_ratio", "Ratio"},
    {"knob_release", "Release"},
    {"knob_threshold", "Threshold"},
    {"knob_treble", "Diskantti"},
    // Settings page: language.
    {"language", "Kieli"},
    {"language_auto", "Automaattinen (järjestelmä)"},
    {"limiter", "Limitteri"},
    {"on_top", "Kompakti näkymä aina päällimmäisenä"},
    // Power buttons.
    {"power_off", "Pois"},
    {"power_on", "Päällä"},
    // Tube presets and the preset menu.
    {"preset_crunch", "Crunch"},
    {"preset_custom", "Mukautettu"},
    {"preset_default_name", "Oma esiasetus %d"},
    {"preset_fat", "Täyteläinen"},
    {"preset_full", "100 esiasetusta tallennettu: poista yksi ennen uuden tallentamista."},
    {"preset_gentle", "Pehmeä"},
    {"preset_glue", "Glue"},
    {"preset_loudness", "Loudness"},
    {"preset_modified", "muokattu"},
    {"preset_name", "Nimi"},
    {"preset_neutral", "Neutraali"},
    {"preset_night", "Yötila"},
    {"preset_overwrite", "Samanniminen esiasetus on jo olemassa, ja se korvataan."},
    {"preset_radio", "Vanha radio"},
    {"preset_reserved", "Nimi on varattu sisäänrakennetulle esiasetukselle."},
    {"preset_shine", "Kiilto"},
    {"preset_vintage", "Vintage"},
    {"preset_voice", "Puhe"},
    {"preset_warm", "Lämmin"},
    {"presets_builtin", "Sisäänrakennetut"},
    {"presets_user", "Omat esiasetukset"},
    // Settings page: system-wide filter driver.
    {"remove_filter", "Poista järjestelmäsuodatin"},
    {"remove_filter_hint",
     "Poistaa järjestelmänlaajuisen äänisuodattimen, jonka Velmora asensi. Ääni toistetaan "
     "sen jälkeen ilman efektiä, kunnes otat suodattimen uudelleen käyttöön."},
    {"save", "Tallenna"},
    {"save_preset", "Tallenna esiasetus"},
    {"settings", "Asetukset"},
    // Status line.
    {"status_active", "Käytössä: kaikki järjestelmän ääni kulkee Velmoran kautta"},
    {"status_bypass", "Ohitettu: efekti on pois päältä"},
    {"status_chained", "Käytössä ketjussa toisen efektin kanssa"},
    {"status_connecting", "Yhdistetään äänipalvelimeen…"},
    {"status_no_server", "Äänipalvelinta ei löytynyt; yritetään uudelleen…"},
    {"status_other_instance", "Velmora on jo käynnissä muualla; tämä kopio pysyy toimettomana"},
    {"status_select_output",
     "Valitse ääniasetuksista toistolaitteeksi ”Velmora”, niin kuulet efektin"},
    {"status_setup_needed", "Tarvitaan kertaluonteinen ääniasetusten määritys"},
    // Theme switch.
    {"theme_dark", "Tumma"},
    {"theme_light", "Vaalea"},
    {"third_party", "Kolmannen osapuolen ohjelmistot"},
    // Rack units.
    {"unit_comp", "Kompressori"},
    {"unit_tube", "Putkiesivahvistin"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "In"},
    {"vu_out", "Out"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kFi = {"fi", "Suomi", false, kEntries};

}  // namespace i18n::lang
