#pragma once

// The languages the programs speak beyond their Korean screens, which never change.
enum class Language { English, Korean };

// The language the locale variables ask for, by the POSIX order: LC_ALL, then
// LC_MESSAGES, then LANG, the first that is set and not empty. A value starting with "ko"
// means Korean; C, POSIX, none or anything else means English.
Language language_of_locale(const char* lc_all, const char* lc_messages, const char* lang);

// The user's language, from the environment or the system's settings (the platform's part).
Language user_language();

// The language texts are translated to from now on; English until it is set.
void use_language(Language chosen);
Language language_in_use();

// One message of a catalogue: the English text the code holds and its translation.
struct TranslatedMessage {
    const char* english;
    const char* translated;
};

// Marks a text for the catalogue where it is written, to be translated where it is shown.
constexpr const char* translatable(const char* english)
{
    return english;
}

// `english` in the language in use: its translation from the catalogue, or `english`
// itself when there is none. A printf format stays a format the compiler checks.
#if defined(__GNUC__)
__attribute__((format_arg(1)))
#endif
const char*
translate(const char* english);
