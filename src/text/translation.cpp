#include "text/translation.hpp"

#include <cstring>
#include <initializer_list>

// The Korean catalogue, made from po/ko.po by the build.
extern const TranslatedMessage KOREAN_MESSAGES[];
extern const int KOREAN_MESSAGES_COUNT;

namespace {

Language language = Language::English;

bool starts_with_ko(const char* value)
{
    return value[0] == 'k' && value[1] == 'o' &&
           (value[2] == '\0' || value[2] == '_' || value[2] == '.' || value[2] == '@');
}

} // namespace

Language language_of_locale(const char* lc_all, const char* lc_messages, const char* lang)
{
    for (const char* value : {lc_all, lc_messages, lang}) {
        if (value != nullptr && value[0] != '\0') {
            return starts_with_ko(value) ? Language::Korean : Language::English;
        }
    }
    return Language::English;
}

void use_language(Language chosen)
{
    language = chosen;
}

Language language_in_use()
{
    return language;
}

const char* translate(const char* english)
{
    if (language == Language::Korean) {
        for (int i = 0; i < KOREAN_MESSAGES_COUNT; ++i) {
            if (std::strcmp(KOREAN_MESSAGES[i].english, english) == 0) {
                return KOREAN_MESSAGES[i].translated;
            }
        }
    }
    return english;
}
