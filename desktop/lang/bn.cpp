// Bengali.
// Polite আপনি form; audio terms are the English studio words in Bengali script.
#include "desktop/lang/lang.h"

namespace i18n::lang {
namespace {

constexpr Entry kEntries[] = {
    {"about_disclaimer",
     "Velmora আপনার কম্পিউটারে বাজানো সব শব্দ বদলে দেয়। ভলিউম আরামদায়ক মাত্রায় রাখুন: এই "
     "ইফেক্ট অডিওকে আরও জোরালো করতে পারে। সফটওয়্যারটি কোনো ওয়ারেন্টি ছাড়াই যেমন আছে "
     "তেমনভাবে সরবরাহ করা হয়েছে; শ্রবণশক্তি, স্পিকার বা ডেটার কোনো ক্ষতির জন্য নির্মাতারা "
     "দায়ী নন।"},
    {"about_disclaimer_title", "দায়মুক্তি"},
    {"about_report_bug", "সমস্যা জানান:"},
    {"about_tagline",
     "আপনার কম্পিউটারে বাজানো সব শব্দের জন্য টিউবের উষ্ণতা আর স্টুডিও কম্প্রেশন।"},
    {"about_version", "সংস্করণ %s (বিল্ড %s)"},
    {"appearance", "চেহারা"},
    {"autostart", "লগ ইন করলে চালু করুন"},
    {"cancel", "বাতিল"},
    {"close", "বন্ধ করুন"},
    // Compressor presets.
    {"cpreset_gentle", "কোমল"},
    {"cpreset_level", "লেভেলার"},
    {"cpreset_parallel", "প্যারালাল"},
    {"cpreset_peaks", "পিক ক্যাচার"},
    {"cpreset_punch", "পাঞ্চ"},
    {"cpreset_vocal", "ভোকাল"},
    // Crash note.
    {"crash_discard", "মুছে ফেলুন"},
    {"crash_send", "রিপোর্ট পাঠান"},
    {"crash_text",
     "গতবার চলার সময় Velmora অপ্রত্যাশিতভাবে বন্ধ হয়ে গিয়েছিল, এবং আপনার সাউন্ড আগের "
     "অবস্থায় ফিরিয়ে দেওয়া হয়েছে। একটি ছোট ক্র্যাশ রিপোর্ট সংরক্ষণ করা হয়েছে। আপনি কি "
     "এটি ইমেলের মাধ্যমে আমাদের পাঠাতে চান? এতে কোনো অডিও বা ব্যক্তিগত ফাইল নেই, এবং "
     "এটি আমাদের সমস্যাটি সমাধান করতে সাহায্য করে।"},
    {"crash_title", "Velmora অপ্রত্যাশিতভাবে বন্ধ হয়ে গেছে"},
    {"curve", "কার্ভ"},
    {"curve_in", "ইনপুট"},
    {"device", "আউটপুট ডিভাইস"},
    {"device_follow", "সিস্টেম ডিফল্ট"},
    {"err_no_device", "বেছে নেওয়া ডিভাইস পাওয়া যায়নি"},
    {"fx_on_start", "শুরুতে ইফেক্ট চালু"},
    {"group_mix", "মিক্স"},
    {"group_output", "আউটপুট"},
    {"group_tone", "টোন"},
    {"group_tube", "টিউব"},
    {"hint_reset", "রিসেট করতে নবে ডাবল-ক্লিক করুন"},
    // Knob captions.
    {"knob_attack", "অ্যাটাক"},
    {"knob_bass", "বেস"},
    {"knob_bias", "বায়াস"},
    {"knob_blend", "ব্লেন্ড"},
    {"knob_drive", "ড্রাইভ"},
    {"knob_fat", "ফ্যাট"},
    {"knob_knee", "নি"},
    {"knob_makeup", "মেকআপ"},
    {"knob_mid", "মিড"},
    {"knob_mix", "মিক্স"},
    {"knob_output", "আউটপুট"},
    {"knob_presence", "প্রেজেন্স"},
    {"knob_ratio", "রেশিও"},
    {"knob_release", "রিলিজ"},
    {"knob_threshold", "থ্রেশহোল্ড"},
    {"knob_treble", "ট্রেবল"},
    {"language", "ভাষা"},
    {"language_auto", "স্বয়ংক্রিয় (সিস্টেম)"},
    {"limiter", "লিমিটার"},
    {"on_top", "কমপ্যাক্ট ভিউ সবসময় উপরে"},
    {"power_off", "বন্ধ"},
    {"power_on", "চালু"},
    // Tube presets and the preset menu.
    {"preset_crunch", "ক্রাঞ্চ"},
    {"preset_custom", "কাস্টম"},
    {"preset_default_name", "আমার প্রিসেট %d"},
    {"preset_fat", "ভরাট"},
    {"preset_full", "100টি প্রিসেট সংরক্ষিত আছে: আরেকটি সংরক্ষণ করার আগে একটি মুছে ফেলুন।"},
    {"preset_gentle", "কোমল"},
    {"preset_glue", "গ্লু"},
    {"preset_loudness", "লাউডনেস"},
    {"preset_modified", "পরিবর্তিত"},
    {"preset_name", "নাম"},
    {"preset_neutral", "নিরপেক্ষ"},
    {"preset_night", "নাইট মোড"},
    {"preset_overwrite", "এই নামে একটি প্রিসেট আছে, সেটি প্রতিস্থাপিত হবে।"},
    {"preset_radio", "পুরোনো রেডিও"},
    {"preset_reserved", "এই নামটি একটি বিল্ট-ইন প্রিসেটের।"},
    {"preset_shine", "ঝলমলে"},
    {"preset_vintage", "ভিনটেজ"},
    {"preset_voice", "কণ্ঠ"},
    {"preset_warm", "উষ্ণ"},
    {"presets_builtin", "বিল্ট-ইন"},
    {"presets_user", "আমার প্রিসেট"},
    {"remove_filter", "সিস্টেম ফিল্টার সরান"},
    {"remove_filter_hint",
     "Velmora-র ইনস্টল করা সিস্টেমব্যাপী অডিও ফিল্টারটি সরিয়ে দেয়। এরপর আপনি আবার ফিল্টার "
     "সেট আপ না করা পর্যন্ত আপনার সাউন্ড ইফেক্ট ছাড়াই বাজবে।"},
    {"save", "সংরক্ষণ করুন"},
    {"save_preset", "প্রিসেট সংরক্ষণ করুন"},
    {"settings", "সেটিংস"},
    // Footer status line.
    {"status_active", "সক্রিয়: সিস্টেমের সব শব্দ Velmora-র মধ্য দিয়ে যাচ্ছে"},
    {"status_bypass", "বাইপাস: ইফেক্ট বন্ধ আছে"},
    {"status_chained", "অন্য একটি ইফেক্টের সাথে চেইনে সক্রিয়"},
    {"status_connecting", "সাউন্ড সার্ভারের সাথে সংযোগ করা হচ্ছে…"},
    {"status_no_server", "কোনো সাউন্ড সার্ভার পাওয়া যায়নি; আবার চেষ্টা করা হচ্ছে…"},
    {"status_other_instance", "Velmora ইতিমধ্যে অন্য কোথাও চলছে; এই কপিটি নিষ্ক্রিয় থাকবে"},
    {"status_select_output",
     "ইফেক্ট শুনতে আপনার সাউন্ড সেটিংসে আউটপুট ডিভাইস হিসেবে “Velmora” বেছে নিন"},
    {"status_setup_needed", "একবারের জন্য অডিও সেটআপ প্রয়োজন"},
    {"theme_dark", "গাঢ়"},
    {"theme_light", "হালকা"},
    {"third_party", "তৃতীয় পক্ষের সফটওয়্যার"},
    {"unit_comp", "কম্প্রেসর"},
    {"unit_tube", "টিউব প্রিঅ্যাম্প"},
    // Meter modes.
    {"vu_gr", "GR"},
    {"vu_in", "ইন"},
    {"vu_out", "আউট"},
};
static_assert(complete(kEntries), "every key, in order, with a text");

}  // namespace

extern const Table kBn = {"bn", "বাংলা", false, kEntries};

}  // namespace i18n::lang
