// Hindi.
// Polite आप form; audio terms are the English studio words in Devanagari.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora आपके कंप्यूटर पर चलने वाली हर ध्वनि को बदल देता है। वॉल्यूम को आरामदायक स्तर "
     "पर रखें: यह इफ़ेक्ट ऑडियो को और तेज़ कर सकता है। यह सॉफ़्टवेयर जैसा है वैसा ही, बिना "
     "किसी वारंटी के उपलब्ध कराया गया है; सुनने की क्षमता, स्पीकर या डेटा को होने वाली किसी "
     "भी हानि के लिए लेखक ज़िम्मेदार नहीं हैं।"},
    {"about_disclaimer_title", "अस्वीकरण"},
    {"about_report_bug", "समस्या की रिपोर्ट करें:"},
    {"about_tagline",
     "आपके कंप्यूटर पर चलने वाली हर ध्वनि के लिए ट्यूब की गर्माहट और स्टूडियो कंप्रेशन।"},
    {"about_version", "संस्करण %s (बिल्ड %s)"},
    {"appearance", "रूप-रंग"},
    {"autostart", "लॉग इन करने पर शुरू करें"},
    {"cancel", "रद्द करें"},
    {"close", "बंद करें"},
    // Compressor presets.
    {"cpreset_gentle", "सौम्य"},
    {"cpreset_level", "लेवलर"},
    {"cpreset_parallel", "पैरेलल"},
    {"cpreset_peaks", "पीक कैचर"},
    {"cpreset_punch", "पंच"},
    {"cpreset_vocal", "वोकल्स"},
    // Crash note.
    {"crash_discard", "हटाएँ"},
    {"crash_send", "रिपोर्ट भेजें"},
    {"crash_text",
     "पिछली बार चलते समय Velmora अप्रत्याशित रूप से बंद हो गया था, और आपकी ध्वनि पहले जैसी "
     "कर दी गई। एक छोटी क्रैश रिपोर्ट सहेजी गई है। क्या आप इसे ईमेल से हमें भेजना चाहेंगे? "
     "इसमें कोई ऑडियो या निजी फ़ाइल नहीं है, और इससे हमें समस्या ठीक करने में मदद मिलती है।"},
    {"crash_title", "Velmora अप्रत्याशित रूप से बंद हो गया"},
    {"curve", "कर्व"},
    {"curve_in", "इनपुट"},
    {"device", "आउटपुट डिवाइस"},
    {"device_follow", "सिस्टम डिफ़ॉल्ट"},
    {"err_no_device", "चुना गया डिवाइस नहीं मिला"},
    {"fx_on_start", "शुरू होने पर इफ़ेक्ट चालू"},
    {"group_mix", "मिक्स"},
    {"group_output", "आउटपुट"},
    {"group_tone", "टोन"},
    {"group_tube", "ट्यूब"},
    {"hint_reset", "रीसेट करने के लिए नॉब पर डबल-क्लिक करें"},
    // Knob captions.
    {"knob_attack", "अटैक"},
    {"knob_bass", "बेस"},
    {"knob_bias", "बायस"},
    {"knob_blend", "ब्लेंड"},
    {"knob_drive", "ड्राइव"},
    {"knob_fat", "फ़ैट"},
    {"knob_knee", "नी"},
    {"knob_makeup", "मेकअप"},
    {"knob_mid", "मिड"},
    {"knob_mix", "मिक्स"},
    {"knob_output", "आउटपुट"},
    {"knob_presence", "प्रेज़ेंस"},
    {"knob_ratio", "रेशियो"},
    {"knob_release", "रिलीज़"},
    {"knob_threshold", "थ्रेशोल्ड"},
    {"knob_treble", "ट्रेबल"},
    {"language", "भाषा"},
    {"language_auto", "स्वचालित (सिस्टम)"},
    {"limiter", "लिमिटर"},
    {"on_top", "कॉम्पैक्ट व्यू हमेशा सबसे ऊपर"},
    {"power_off", "बंद"},
    {"power_on", "चालू"},
    // Tube presets and the preset menu.
    {"preset_crunch", "क्रंच"},
    {"preset_custom", "कस्टम"},
    {"preset_default_name", "मेरा प्रीसेट %d"},
    {"preset_fat", "भरपूर"},
    {"preset_full", "100 प्रीसेट सहेजे जा चुके हैं: नया सहेजने से पहले कोई एक हटाएँ।"},
    {"preset_gentle", "सौम्य"},
    {"preset_glue", "ग्लू"},
    {"preset_loudness", "लाउडनेस"},
    {"preset_modified", "बदला गया"},
    {"preset_name", "नाम"},
    {"preset_neutral", "न्यूट्रल"},
    {"preset_night", "नाइट मोड"},
    {"preset_overwrite", "इस नाम का प्रीसेट पहले से मौजूद है और उसे बदल दिया जाएगा।"},
    {"preset_radio", "पुराना रेडियो"},
    {"preset_reserved", "यह नाम एक बिल्ट-इन प्रीसेट का है।"},
    {"preset_shine", "चमक"},
    {"preset_vintage", "विंटेज"},
    {"preset_voice", "आवाज़"},
    {"preset_warm", "गर्माहट"},
    {"presets_builtin", "बिल्ट-इन"},
    {"presets_user", "मेरे प्रीसेट"},
    {"remove_filter", "सिस्टम फ़िल्टर हटाएँ"},
    {"remove_filter_hint",
     "इससे Velmora द्वारा इंस्टॉल किया गया सिस्टम-व्यापी ऑडियो फ़िल्टर हट जाता है। इसके बाद, जब तक "
     "आप फ़िल्टर फिर से सेट अप नहीं करते, आपकी ध्वनि बिना इफ़ेक्ट के चलेगी।"},
    {"save", "सहेजें"},
    {"save_preset", "प्रीसेट सहेजें"},
    {"settings", "सेटिंग्स"},
    // Footer status line.
    {"status_active", "सक्रिय: सिस्टम की सारी ध्वनि Velmora से होकर जा रही है"},
    {"status_bypass", "बायपास: इफ़ेक्ट बंद है"},
    {"status_chained", "किसी अन्य इफ़ेक्ट के साथ चेन में सक्रिय"},
    {"status_connecting", "साउंड सर्वर से कनेक्ट हो रहा है…"},
    {"status_no_server", "कोई साउंड सर्वर नहीं मिला; फिर से कोशिश की जा रही है…"},
    {"status_other_instance", "Velmora पहले से कहीं और चल रहा है; यह कॉपी निष्क्रिय रहेगी"},
    {"status_select_output",
     "इफ़ेक्ट सुनने के लिए अपनी साउंड सेटिंग्स में आउटपुट डिवाइस के रूप में “Velmora” चुनें"},
    {"status_setup_needed", "एक बार का ऑडियो सेटअप ज़रूरी है"},
    {"theme_dark", "डार्क"},
    {"theme_light", "लाइट"},
    {"third_party", "तृतीय-पक्ष सॉफ़्टवेयर"},
    {"unit_comp", "कंप्रेसर"},
    {"unit_tube", "ट्यूब प्रीएम्प"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "इन"},
    {"vu_out", "आउट"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kHi = {"hi", "हिन्दी", false, kEntries};

}  // namespace i18n::lang
