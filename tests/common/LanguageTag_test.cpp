// Language tags: their shape and the choice of the version to show.
#include "common/LanguageTag.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

TEST(LanguageTag, AcceptsTheShapesOfBcp47) {
  for (const char* tag : {"de", "DE", "gsw", "pt-BR", "pt-br", "zh-Hant-TW", "sr-Latn", "es-419", "de-CH-1901",
                          "sl-rozaj-biske", "ja-JP", "ar"}) {
    EXPECT_TRUE(ValidLanguageTag(tag)) << tag;
  }
}

TEST(LanguageTag, RefusesWhatIsNoTag) {
  for (const char* tag : {"", "d", "deutschland", "pt_BR", "pt-", "-pt", "pt--BR", "pt-B", "de-1234x-AT",
                          "zh-Hant-TW-x", "1de", "de CH", "ja-JPN-JP", "de-CH-12"}) {
    EXPECT_FALSE(ValidLanguageTag(tag)) << tag;
  }
}

TEST(LanguageTag, ComparesWithoutCaseButNotAcrossSeparators) {
  EXPECT_TRUE(SameLanguageTag("pt-BR", "PT-br"));
  EXPECT_FALSE(SameLanguageTag("pt-BR", "pt_BR"));
  EXPECT_FALSE(SameLanguageTag("pt", "pt-BR"));
}

TEST(LanguageTag, ChoosesFromThePreferencesInOrder) {
  const std::vector<std::string> available = {"pt", "zh-Hant", "zh", "ja", "de-CH"};
  // Exact, in the spelling the project gave.
  EXPECT_EQ(ChooseLanguage({"JA"}, available, "en"), "ja");
  // The language alone, and the longest prefix before the bare language.
  EXPECT_EQ(ChooseLanguage({"pt-BR"}, available, "en"), "pt");
  EXPECT_EQ(ChooseLanguage({"zh-Hant-TW"}, available, "en"), "zh-Hant");
  EXPECT_EQ(ChooseLanguage({"zh-Hans-CN"}, available, "en"), "zh");
  // A region the project has does not stand in for the language alone.
  EXPECT_EQ(ChooseLanguage({"de"}, available, "en"), "en");
  // No match at all, or no preferences: the default.
  EXPECT_EQ(ChooseLanguage({"fr-FR", "it"}, available, "en"), "en");
  EXPECT_EQ(ChooseLanguage({}, available, "en"), "en");
  // An earlier preference wins over a better match later, and the default is one of the choices.
  EXPECT_EQ(ChooseLanguage({"fr", "pt-BR", "ja"}, available, "en"), "pt");
  EXPECT_EQ(ChooseLanguage({"en-GB", "ja"}, available, "en"), "en");
}

}  // namespace
}  // namespace orb
