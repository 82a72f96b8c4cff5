#include <windows.h>

#include "text/translation.hpp"

// Windows keeps the language in the user's settings; Korean Windows reads Korean.
Language user_language()
{
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_KOREAN ? Language::Korean
                                                                    : Language::English;
}
