// Nepali.
// Polite तपाईं form with -नुहोस् commands; audio terms are the English studio
// words in Devanagari.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora ले तपाईंको कम्प्युटरले बजाउने सबै आवाज परिवर्तन गर्छ। भोल्युम सहज स्तरमा "
     "राख्नुहोस्: यो इफेक्टले अडियोलाई अझ चर्को बनाउन सक्छ। यो सफ्टवेयर जस्ताको तस्तै, कुनै "
     "पनि वारेन्टीबिना उपलब्ध गराइएको हो; सुन्ने क्षमता, स्पिकर वा डेटामा हुने क्षतिका लागि "
     "लेखकहरू जिम्मेवार हुने छैनन्।"},
    {"about_disclaimer_title", "अस्वीकरण"},
    {"about_report_bug", "समस्या रिपोर्ट गर्नुहोस्:"},
    {"about_tagline",
     "तपाईंको कम्प्युटरले बजाउने सबै आवाजका लागि ट्युबको न्यानोपन र स्टुडियो कम्प्रेसन।"},
    {"about_version", "संस्करण %s (बिल्ड %s)"},
    {"appearance", "रूप"},
    {"autostart", "लग इन गर्दा सुरु गर्नुहोस्"},
    {"cancel", "रद्द गर्नुहोस्"},
    {"close", "बन्द गर्नुहोस्"},
    // Compressor presets.
    {"cpreset_gentle", "नरम"},
    {"cpreset_level", "लेभलर"},
    {"cpreset_parallel", "प्यारालल"},
    {"cpreset_peaks", "पिक क्याचर"},
    {"cpreset_punch", "पन्च"},
    {"cpreset_vocal", "भोकल"},
    // Crash note.
    {"crash_discard", "खारेज गर्नुहोस्"},
    {"crash_send", "रिपोर्ट पठाउनुहोस्"},
    {"crash_text",
     "पछिल्लो पटक चल्दा Velmora अनपेक्षित रूपमा बन्द भयो, र तपाईंको आवाज पहिलेकै अवस्थामा "
     "फर्काइयो। एउटा छोटो क्र्यास रिपोर्ट सुरक्षित गरिएको छ। के तपाईं यसलाई इमेलमार्फत "
     "हामीलाई पठाउन चाहनुहुन्छ? यसमा कुनै अडियो वा व्यक्तिगत फाइल छैन, र यसले हामीलाई "
     "समस्या समाधान गर्न मद्दत गर्छ।"},
    {"crash_title", "Velmora अनपेक्षित रूपमा बन्द भयो"},
    {"curve", "कर्भ"},
    {"curve_in", "इनपुट"},
    {"device", "आउटपुट उपकरण"},
    {"device_follow", "प्रणालीको पूर्वनिर्धारित"},
    {"err_no_device", "रोजिएको उपकरण भेटिएन"},
    {"fx_on_start", "सुरु हुँदा इफेक्ट खुला"},
    {"group_mix", "मिक्स"},
    {"group_output", "आउटपुट"},
    {"group_tone", "टोन"},
    {"group_tube", "ट्युब"},
    {"hint_reset", "रिसेट गर्न नबमा डबल-क्लिक गर्नुहोस्"},
    // Knob captions.
    {"knob_attack", "अट्याक"},
    {"knob_bass", "बेस"},
    {"knob_bias", "बायस"},
    {"knob_blend", "ब्लेन्ड"},
    {"knob_drive", "ड्राइभ"},
    {"knob_fat", "फ्याट"},
    {"knob_knee", "नी"},
    {"knob_makeup", "मेकअप"},
    {"knob_mid", "मिड"},
    {"knob_mix", "मिक्स"},
    {"knob_output", "आउटपुट"},
    {"knob_presence", "प्रेजेन्स"},
    {"knob_ratio", "रेसियो"},
    {"knob_release", "रिलिज"},
    {"knob_threshold", "थ्रेसहोल्ड"},
    {"knob_treble", "ट्रेबल"},
    {"language", "भाषा"},
    {"language_auto", "स्वचालित (प्रणाली)"},
    {"limiter", "लिमिटर"},
    {"on_top", "कम्प्याक्ट दृश्य सधैँ माथि"},
    {"power_off", "बन्द"},
    {"power_on", "खुला"},
    // Tube presets and the preset menu.
    {"preset_crunch", "क्रन्च"},
    {"preset_custom", "अनुकूलित"},
    {"preset_default_name", "मेरो प्रिसेट %d"},
    {"preset_fat", "भरिलो"},
    {"preset_full", "100 प्रिसेट सुरक्षित छन्: अर्को सुरक्षित गर्नुअघि एउटा मेटाउनुहोस्।"},
    {"preset_gentle", "नरम"},
    {"preset_glue", "ग्लु"},
    {"preset_loudness", "लाउडनेस"},
    {"preset_modified", "परिवर्तित"},
    {"preset_name", "नाम"},
    {"preset_neutral", "तटस्थ"},
    {"preset_night", "रात्रि मोड"},
    {"preset_overwrite", "यो नामको प्रिसेट पहिले नै छ र यसलाई प्रतिस्थापन गरिनेछ।"},
    {"preset_radio", "पुरानो रेडियो"},
    {"preset_reserved", "यो नाम एउटा बिल्ट-इन प्रिसेटको हो।"},
    {"preset_shine", "चमक"},
    {"preset_vintage", "भिन्टेज"},
    {"preset_voice", "स्वर"},
    {"preset_warm", "न्यानो"},
    {"presets_builtin", "बिल्ट-इन"},
    {"presets_user", "मेरा प्रिसेटहरू"},
    {"remove_filter", "प्रणाली फिल्टर हटाउनुहोस्"},
    {"remove_filter_hint",
     "Velmora ले स्थापना गरेको प्रणालीव्यापी अडियो फिल्टर हटाउँछ। त्यसपछि तपाईंले फिल्टर "
     "फेरि सेटअप नगरेसम्म तपाईंको आवाज इफेक्टबिना बज्छ।"},
    {"save", "सुरक्षित गर्नुहोस्"},
    {"save_preset", "प्रिसेट सुरक्षित गर्नुहोस्"},
    {"settings", "सेटिङहरू"},
    // Footer status line.
    {"status_active", "सक्रिय: प्रणालीका सबै आवाज Velmora हुँदै बजिरहेका छन्"},
    {"status_bypass", "बाइपास: इफेक्ट बन्द छ"},
    {"status_chained", "अर्को इफेक्टसँग चेनमा सक्रिय"},
    {"status_connecting", "साउन्ड सर्भरमा जडान हुँदै…"},
    {"status_no_server", "कुनै साउन्ड सर्भर भेटिएन; फेरि प्रयास गर्दै…"},
    {"status_other_instance", "Velmora पहिले नै अन्यत्र चलिरहेको छ; यो प्रतिलिपि निष्क्रिय रहन्छ"},
    {"status_select_output",
     "इफेक्ट सुन्न आफ्नो साउन्ड सेटिङमा “Velmora” लाई आउटपुट उपकरणका रूपमा रोज्नुहोस्"},
    {"status_setup_needed", "एक पटकको अडियो सेटअप आवश्यक छ"},
    {"theme_dark", "गाढा"},
    {"theme_light", "हल्का"},
    {"third_party", "तेस्रो पक्षका सफ्टवेयर"},
    {"unit_comp", "कम्प्रेसर"},
    {"unit_tube", "ट्युब प्रिएम्प"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "इन"},
    {"vu_out", "आउट"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kNe = {"ne", "नेपाली", false, kEntries};

}  // namespace i18n::lang
