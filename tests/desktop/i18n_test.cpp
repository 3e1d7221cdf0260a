#include "desktop/i18n.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/sys.h"
#include "desktop/lang/lang.h"
#include "tests/desktop/test_util.h"

namespace {

using desktop_test::EnvGuard;
using i18n::lang::kKeyCount;
using i18n::lang::kKeys;
using i18n::lang::kLanguageCount;
using i18n::lang::kTables;
using i18n::lang::Table;

const std::initializer_list<std::pair<const char*, const char*>> kNoLocale = {
    {"VLMR_LANG", nullptr}, {"LANGUAGE", nullptr}, {"LC_ALL", nullptr},
    {"LC_MESSAGES", nullptr}, {"LANG", nullptr}};

const Table* table(const std::string& code) {
  for (const Table* t : kTables) {
    if (code == t->code) return t;
  }
  return nullptr;
}

int key_index(const char* key) {
  for (std::size_t i = 0; i < kKeyCount; ++i) {
    if (std::strcmp(kKeys[i], key) == 0) return static_cast<int>(i);
  }
  return -1;
}

// Text of `key` in language `code`, straight from the table.
const char* text(const std::string& code, const char* key) {
  return table(code)->entries[key_index(key)].text;
}

// Every printf-style directive in s, as the two characters "%" and the next one.
std::vector<std::string> directives(const char* s) {
  std::vector<std::string> out;
  for (const char* p = std::strchr(s, '%'); p != nullptr; p = std::strchr(p + 1, '%')) {
    out.emplace_back(p, p[1] != '\0' ? 2 : 1);
    if (p[1] != '\0') ++p;
  }
  return out;
}

bool valid_utf8(const char* s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s);
  while (*p != 0) {
    int extra = *p < 0x80 ? 0 : (*p >> 5) == 0x6 ? 1 : (*p >> 4) == 0xe ? 2 : (*p >> 3) == 0x1e ? 3 : -1;
    if (extra < 0 || (*p >= 0xc0 && *p < 0xc2) || *p > 0xf4) return false;
    ++p;
    for (int i = 0; i < extra; ++i, ++p) {
      if ((*p & 0xc0) != 0x80) return false;
    }
  }
  return true;
}

// True in the copy of this program that fresh_run() starts.
bool in_child() { return std::getenv("VLM_I18N_FRESH_CHILD") != nullptr; }

// The child's verdict: a distinct code, so a filter that matched no test
// (and made the child exit 0) cannot pass for a success.
constexpr int kChildPassed = 42;
void child_done() { std::_Exit(::testing::Test::HasFailure() ? 1 : kChildPassed); }

// Runs one test again in a new process of this program, so that it sees a
// language state nobody has touched yet; `env` is set in that process only.
bool fresh_run(const char* test,
               std::initializer_list<std::pair<const char*, const char*>> env = {}) {
  pid_t pid = fork();
  if (pid == 0) {
    setenv("VLM_I18N_FRESH_CHILD", "1", 1);
    for (auto& [name, value] : env) setenv(name, value, 1);
    std::string filter = std::string("--gtest_filter=") + test;
    execl("/proc/self/exe", "test_i18n", filter.c_str(), "--gtest_brief=1",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == kChildPassed;
}

// The menu lists every table once, in the tables' order, under distinct names.
TEST(Languages, MenuListsEveryTableUnderItsOwnName) {
  const auto& list = i18n::languages();
  ASSERT_EQ(list.size(), kLanguageCount);
  std::set<std::string> names;
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].code, kTables[i]->code);
    EXPECT_EQ(list[i].rtl, kTables[i]->rtl) << list[i].code;
    EXPECT_TRUE(valid_utf8(list[i].name.c_str())) << list[i].code;
    names.insert(list[i].name);
  }
  EXPECT_EQ(names.size(), kLanguageCount) << "two languages share a menu name";
  EXPECT_EQ(names.count(""), 0u);
}

TEST(Languages, EveryLanguageHasEveryKeyWithAText) {
  for (const Table* t : kTables) {
    SCOPED_TRACE(t->code);
    for (std::size_t i = 0; i < kKeyCount; ++i) {
      ASSERT_NE(t->entries[i].key, nullptr);
      EXPECT_STREQ(t->entries[i].key, kKeys[i]);
      ASSERT_NE(t->entries[i].text, nullptr) << kKeys[i];
      EXPECT_GT(std::strlen(t->entries[i].text), 0u) << kKeys[i];
      EXPECT_TRUE(valid_utf8(t->entries[i].text)) << kKeys[i];
      const std::string s = t->entries[i].text;
      EXPECT_TRUE(s.front() != ' ' && s.back() != ' ' && s.find('\n') == std::string::npos)
          << kKeys[i] << " has stray white space: '" << s << "'";
    }
  }
}

TEST(Languages, PlaceholdersMatchEnglishAndNoStrayPercent) {
  const Table* en = table("en");
  EXPECT_EQ(directives(text("en", "about_version")), (std::vector<std::string>{"%s", "%s"}));
  EXPECT_EQ(directives(text("en", "preset_default_name")), std::vector<std::string>{"%d"});
  for (const Table* t : kTables) {
    SCOPED_TRACE(t->code);
    for (std::size_t i = 0; i < kKeyCount; ++i) {
      EXPECT_EQ(directives(t->entries[i].text), directives(en->entries[i].text))
          << kKeys[i] << ": " << t->entries[i].text;
    }
  }
}

TEST(Languages, KnobAndMeterCaptionsFitTheirPlace) {
  // A knob caption has room for about 12 characters, a meter mode for a short word.
  for (const Table* t : kTables) {
    for (std::size_t i = 0; i < kKeyCount; ++i) {
      const std::string key = kKeys[i];
      const char* s = t->entries[i].text;
      if (key.rfind("knob_", 0) == 0) {
        EXPECT_LE(sys::utf8_chars(s), 12u) << t->code << " " << key << ": " << s;
      } else if (key.rfind("vu_", 0) == 0) {
        EXPECT_LE(sys::utf8_chars(s), 6u) << t->code << " " << key << ": " << s;
      }
    }
  }
}

TEST(Languages, TagResolution) {
  EnvGuard env(kNoLocale);
  struct Case {
    const char* setting;
    const char* code;
  };
  for (const Case& c : {Case{"zh_TW", "zh_TW"}, Case{"zh-TW", "zh_TW"}, Case{"zh_CN", "zh"},
                        Case{"zh-Hans-CN", "zh"}, Case{"pt_BR", "pt"}, Case{"pt-PT", "pt"},
                        Case{"de", "de"}, Case{"de_AT", "de"}, Case{"DE", "en"},
                        Case{"xx", "en"}, Case{"xx_DE", "en"}, Case{"_de", "en"},
                        Case{"fr", "fr"}, Case{"he", "he"}}) {
    i18n::set_language(c.setting);
    EXPECT_EQ(i18n::effective_language(), c.code) << c.setting;
    EXPECT_EQ(i18n::language(), c.setting);
    EXPECT_STREQ(i18n::T("cancel"), text(c.code, "cancel")) << c.setting;
  }
}

TEST(Languages, AutoFollowsTheDesktop) {
  struct Case {
    std::vector<std::pair<const char*, const char*>> env;
    const char* code;
  };
  const std::vector<Case> cases = {
      {{}, "en"},
      {{{"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "pt_BR.UTF-8"}}, "pt"},
      {{{"LANGUAGE", "zh_TW:zh"}, {"LANG", "en_US.UTF-8"}}, "zh_TW"},
      {{{"LC_ALL", "sr_RS@latin"}}, "sr"},
      {{{"LANG", "C.UTF-8"}}, "en"},
      {{{"LC_MESSAGES", "POSIX"}, {"LANG", "pt_BR.UTF-8"}}, "pt"},
      {{{"VLMR_LANG", ""}, {"LANGUAGE", ""}, {"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANGUAGE", "fr:en"}, {"LC_ALL", "de_DE"}}, "fr"},
      {{{"LANG", "gd_GB.UTF-8"}}, "en"},
      {{{"VLMR_LANG", "ja"}, {"LANG", "fr_FR.UTF-8"}}, "ja"},
  };
  for (const Case& c : cases) {
    EnvGuard clear(kNoLocale);
    EnvGuard env(c.env);
    i18n::set_language("auto");
    EXPECT_EQ(i18n::language(), "auto");
    EXPECT_EQ(i18n::effective_language(), c.code);
    // The empty setting is "auto" too.
    i18n::set_language("");
    EXPECT_EQ(i18n::language(), "auto");
    EXPECT_EQ(i18n::effective_language(), c.code);
  }
  // A fixed setting ignores the environment.
  EnvGuard env({{"VLMR_LANG", "ja"}});
  i18n::set_language("fr");
  EXPECT_EQ(i18n::language(), "fr");
  EXPECT_EQ(i18n::effective_language(), "fr");
  i18n::set_language("xx");
  EXPECT_EQ(i18n::language(), "xx");
  EXPECT_EQ(i18n::effective_language(), "en");
}

// Bisection over the sorted keys finds every key, with the text's own
// pointer (it lives for the whole program); anything else comes back as it is.
TEST(Languages, LookupFindsEveryKeyInEveryLanguage) {
  EnvGuard clear(kNoLocale);
  for (std::size_t l = 0; l < kLanguageCount; ++l) {
    const Table* t = kTables[l];
    i18n::set_language(t->code);
    EXPECT_EQ(i18n::rtl(), i18n::languages()[l].rtl) << t->code;
    for (std::size_t i = 0; i < kKeyCount; ++i) {
      EXPECT_EQ(i18n::T(kKeys[i]), t->entries[i].text) << t->code << " " << kKeys[i];
    }
  }
  i18n::set_language("xx");
  EXPECT_FALSE(i18n::rtl());
  i18n::set_language("de");
  for (const char* key : {"", "a", "zzz", "about", "vu_out_x", "Cancel", "cancel ",
                          "knob_drive\n", "about_disclaimer_titl"}) {
    EXPECT_EQ(i18n::T(key), key) << "'" << key << "'";
  }
  EXPECT_STREQ(i18n::T(nullptr), "");
}

// No set_language yet: no language is active, and T() chooses "auto" itself,
// even when its first key is null.
TEST(Languages, LookupBeforeAnyChoiceFollowsTheDesktop) {
  const char* lang = std::getenv("VLMR_LANG");
  if (!in_child()) {
    EXPECT_TRUE(fresh_run("Languages.LookupBeforeAnyChoiceFollowsTheDesktop", {{"VLMR_LANG", "fr_CA"}}));
    EXPECT_TRUE(fresh_run("Languages.LookupBeforeAnyChoiceFollowsTheDesktop", {{"VLMR_LANG", "ar"}}));
    return;
  }
  const std::string code = std::string(lang).substr(0, 2);
  EXPECT_FALSE(i18n::rtl());
  EXPECT_EQ(i18n::language(), "auto");
  EXPECT_EQ(i18n::effective_language(), "en");
  EXPECT_STREQ(i18n::T(nullptr), "");
  EXPECT_STREQ(i18n::T("save"), text(code, "save"));
  EXPECT_EQ(i18n::effective_language(), code);
  EXPECT_EQ(i18n::rtl(), code == "ar");
  child_done();
}

TEST(Languages, ListIsBuiltOnceUnderConcurrentFirstCalls) {
  if (!in_child()) {
    EXPECT_TRUE(fresh_run("Languages.ListIsBuiltOnceUnderConcurrentFirstCalls"));
    return;
  }
  constexpr int kThreads = 8;
  const std::vector<i18n::Language>* seen[kThreads] = {};
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&seen, i] { seen[i] = &i18n::languages(); });
  }
  for (auto& th : threads) th.join();
  for (int i = 0; i < kThreads; ++i) {
    EXPECT_EQ(seen[i], seen[0]);
    ASSERT_EQ(seen[i]->size(), 44u);
  }
  child_done();
}

}  // namespace
