#include "desktop/i18n.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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
using i18n::lang::kTables;
using Vars = std::vector<std::pair<const char*, const char*>>;

const Vars kNoLocale = {{"VLMR_LANG", nullptr}, {"LANGUAGE", nullptr}, {"LC_ALL", nullptr},
                        {"LC_MESSAGES", nullptr}, {"LANG", nullptr}};

// Text of `key` in language `code`, straight from the table.
const char* text(const std::string& code, const char* key) {
  const auto* t = *std::find_if(std::begin(kTables), std::end(kTables), [&](auto* t) { return code == t->code; });
  const auto* k = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const char* k) { return !std::strcmp(k, key); });
  return t->entries[k - std::begin(kKeys)].text;
}

// Every printf-style directive in s, as "%" and the character after it.
std::string directives(const char* s) {
  std::string out;
  for (const char* p = std::strchr(s, '%'); p != nullptr; p = p[1] ? std::strchr(p + 2, '%') : nullptr) {
    out += std::string(p, p[1] ? 2 : 1) + " ";
  }
  return out;
}

bool valid_utf8(const char* s) {
  for (const auto* p = reinterpret_cast<const unsigned char*>(s); *p != 0;) {
    int extra = *p < 0x80 ? 0 : *p >= 0xc2 && *p < 0xe0 ? 1 : (*p >> 4) == 0xe ? 2 : *p >= 0xf0 && *p <= 0xf4 ? 3 : -1;
    if (extra < 0) return false;
    for (++p; extra > 0 && (*p & 0xc0) == 0x80; ++p) --extra;
    if (extra != 0) return false;
  }
  return true;
}

// Runs one test again in a new process of this program, so that it sees a
// language state nobody has touched yet; `lang` is VLMR_LANG there. The child
// exits 42 on success, so a filter that matched no test cannot pass.
bool in_child() { return std::getenv("VLM_I18N_FRESH_CHILD") != nullptr; }
void child_done() { std::_Exit(::testing::Test::HasFailure() ? 1 : 42); }
bool fresh_run(const char* test, const char* lang = "") {
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("VLM_I18N_FRESH_CHILD", "1", 1);
    setenv("VLMR_LANG", lang, 1);
    execl("/proc/self/exe", "test_i18n", (std::string("--gtest_filter=") + test).c_str(), nullptr);
    _exit(127);
  }
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 42;
}

// Completeness of every table against the English one; the key order is
// checked when the tables compile, the room of most texts with the window.
TEST(Languages, EveryTextIsPresentAndClean) {
  std::set<std::string> names;
  for (std::size_t l = 0; l < i18n::lang::kLanguageCount; ++l) {
    const auto* t = kTables[l];
    SCOPED_TRACE(t->code);
    EXPECT_EQ(i18n::languages()[l].code, t->code);
    EXPECT_EQ(i18n::languages()[l].rtl, t->rtl);
    names.insert(i18n::languages()[l].name);
    for (std::size_t i = 0; i < kKeyCount; ++i) {
      const char* s = t->entries[i].text;
      ASSERT_NE(s, nullptr) << kKeys[i];
      const std::string str = s;
      EXPECT_TRUE(!str.empty() && str.front() != ' ' && str.back() != ' ' && str.find('\n') == std::string::npos &&
                  valid_utf8(s))
          << kKeys[i] << ": '" << s << "'";
      EXPECT_EQ(directives(s), directives(text("en", kKeys[i]))) << kKeys[i] << ": " << s;
      // A meter mode has room for a short word; the window check does not see it.
      EXPECT_TRUE(std::strncmp(kKeys[i], "vu_", 3) != 0 || sys::utf8_chars(s) <= 6) << kKeys[i] << ": " << s;
    }
  }
  EXPECT_EQ(names.size(), i18n::lang::kLanguageCount) << "two languages share a menu name";
  EXPECT_EQ(names.count(""), 0u);
  EXPECT_EQ(directives(text("en", "about_version")) + directives(text("en", "preset_default_name")), "%s %s %d ");
}

TEST(Languages, SettingAndDesktopChooseTheLanguage) {
  const std::vector<std::pair<Vars, const char*>> automatic = {
      {{}, "en"},
      {{{"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANGUAGE", "zh_TW:zh"}, {"LANG", "en_US.UTF-8"}}, "zh_TW"},
      {{{"LC_ALL", "sr_RS@latin"}}, "sr"},
      {{{"LANG", "C.UTF-8"}}, "en"},
      {{{"LC_MESSAGES", "POSIX"}, {"LANG", "pt_BR.UTF-8"}}, "pt"},
      {{{"VLMR_LANG", ""}, {"LANGUAGE", ""}, {"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANGUAGE", "fr:en"}, {"LC_ALL", "de_DE"}}, "fr"},
      {{{"LANG", "gd_GB.UTF-8"}}, "en"},
      {{{"VLMR_LANG", "ja"}, {"LANG", "fr_FR.UTF-8"}}, "ja"},
  };
  for (const auto& [env, code] : automatic) {
    EnvGuard clear(kNoLocale);
    EnvGuard set(env);
    for (const char* setting : {"auto", ""}) {
      i18n::set_language(setting);
      EXPECT_EQ(i18n::language() + " " + i18n::effective_language(), std::string("auto ") + code);
    }
  }
  // A fixed setting ignores the environment.
  EnvGuard env({{"VLMR_LANG", "ja"}});
  for (const auto& [setting, code] : std::vector<std::pair<const char*, const char*>>{
           {"zh_TW", "zh_TW"}, {"zh-TW", "zh_TW"}, {"zh_CN", "zh"}, {"zh-Hans-CN", "zh"}, {"pt_BR", "pt"},
           {"pt-PT", "pt"}, {"de_AT", "de"}, {"DE", "en"}, {"xx", "en"}, {"xx_DE", "en"}, {"_de", "en"},
           {"he", "he"}}) {
    i18n::set_language(setting);
    EXPECT_EQ(i18n::language(), setting);
    EXPECT_EQ(i18n::effective_language(), code) << setting;
  }
}

// Bisection over the sorted keys finds every key, with the text's own pointer
// (it lives for the whole program); anything else comes back as it is.
TEST(Languages, LookupFindsEveryKeyInEveryLanguage) {
  EnvGuard clear(kNoLocale);
  for (std::size_t l = 0; l < i18n::lang::kLanguageCount; ++l) {
    i18n::set_language(kTables[l]->code);
    EXPECT_EQ(i18n::rtl(), kTables[l]->rtl) << kTables[l]->code;
    for (std::size_t i = 0; i < kKeyCount; ++i) {
      EXPECT_EQ(i18n::T(kKeys[i]), kTables[l]->entries[i].text) << kTables[l]->code << " " << kKeys[i];
    }
  }
  for (const char* key : {"", "a", "zzz", "about", "vu_out_x", "Cancel", "cancel ", "about_disclaimer_titl"}) {
    EXPECT_EQ(i18n::T(key), key) << "'" << key << "'";
  }
  EXPECT_STREQ(i18n::T(nullptr), "");
}

// Before any set_language no language is active, and T() chooses "auto"
// itself, even when its first key is null; the list of languages is built
// once when the first calls come from several threads at once.
TEST(Languages, FirstUseFollowsTheDesktopAndBuildsTheListOnce) {
  if (!in_child()) {
    EXPECT_TRUE(fresh_run("Languages.FirstUseFollowsTheDesktopAndBuildsTheListOnce", "fr_CA"));
    EXPECT_TRUE(fresh_run("Languages.FirstUseFollowsTheDesktopAndBuildsTheListOnce", "ar"));
    return;
  }
  const std::vector<i18n::Language>* seen[8] = {};
  std::vector<std::thread> threads;
  for (int i = 0; i < 8; ++i) threads.emplace_back([&seen, i] { seen[i] = &i18n::languages(); });
  for (auto& th : threads) th.join();
  for (const auto* s : seen) EXPECT_EQ(s, seen[0]);
  EXPECT_EQ(seen[0]->size(), i18n::lang::kLanguageCount);
  const std::string code = std::string(std::getenv("VLMR_LANG")).substr(0, 2);
  EXPECT_FALSE(i18n::rtl());
  EXPECT_EQ(i18n::language() + " " + i18n::effective_language(), "auto en");
  EXPECT_STREQ(i18n::T(nullptr), "");
  EXPECT_STREQ(i18n::T("save"), text(code, "save"));
  EXPECT_EQ(i18n::effective_language(), code);
  EXPECT_EQ(i18n::rtl(), code == "ar");
  child_done();
}

}  // namespace
