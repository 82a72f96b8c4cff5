// Which language the locale asks for, and what the catalogue gives in it.
#include <gtest/gtest.h>

#include <string>

#include "text/translation.hpp"

namespace {

TEST(Translation, TheLocaleVariablesInPosixOrder)
{
    const struct {
        const char* lc_all;
        const char* lc_messages;
        const char* lang;
        Language language;
    } cases[] = {
        {nullptr, nullptr, nullptr, Language::English},
        {nullptr, nullptr, "ko_KR.UTF-8", Language::Korean},
        {nullptr, nullptr, "ko", Language::Korean},
        {nullptr, nullptr, "ko_KR.EUC-KR", Language::Korean},
        {nullptr, nullptr, "C", Language::English},
        {nullptr, nullptr, "POSIX", Language::English},
        {nullptr, nullptr, "en_US.UTF-8", Language::English},
        {nullptr, nullptr, "kok_IN", Language::English}, // Konkani, not Korean
        {"C", nullptr, "ko_KR.UTF-8", Language::English},
        {"ko_KR.UTF-8", "C", "C", Language::Korean},
        {nullptr, "ko_KR.UTF-8", "C", Language::Korean},
        {nullptr, "C", "ko_KR.UTF-8", Language::English},
        {"", "", "ko_KR.UTF-8", Language::Korean}, // empty is unset
    };
    for (const auto& c : cases) {
        EXPECT_EQ(language_of_locale(c.lc_all, c.lc_messages, c.lang), c.language)
            << (c.lc_all ? c.lc_all : "-") << " " << (c.lc_messages ? c.lc_messages : "-") << " "
            << (c.lang ? c.lang : "-");
    }
}

TEST(Translation, TheCatalogueInTheLanguageInUse)
{
    EXPECT_STREQ(translate("round %d is missing"), "round %d is missing");
    use_language(Language::Korean);
    const std::string korean = translate("round %d is missing");
    const std::string unknown = translate("no catalogue has this");
    use_language(Language::English);
    EXPECT_NE(korean, "round %d is missing");
    EXPECT_NE(korean.find("%d"), std::string::npos); // still a format with its number
    EXPECT_EQ(unknown, "no catalogue has this");
    EXPECT_STREQ(translate("round %d is missing"), "round %d is missing");
}

} // namespace
