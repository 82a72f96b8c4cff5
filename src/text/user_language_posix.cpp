#include <cstdlib>

#include "text/translation.hpp"

Language user_language()
{
    return language_of_locale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                              std::getenv("LANG"));
}
