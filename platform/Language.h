#pragma once
// The language of the windows: Dutch or English, chosen once at start from the desktop's languages or
// from --lang. Only what the windows show is translated; the data file and the pictures stay in English.
#include <QString>
#include <QStringList>

#include <optional>

namespace vartel {

enum class Language { English, Dutch };

// The first of the desktop's preferred languages that the program speaks, English when it speaks none:
// Dutch for nl, nl_BE, nl-NL ...
Language LanguageOf(const QStringList& uiLanguages);
// LanguageOf the languages Qt reads from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
Language DesktopLanguage();
// "nl" or "en"; nothing for any other code.
std::optional<Language> LanguageOfCode(const QString& code);

// What the command line says about the language: --lang CODE or --lang=CODE; the last one counts.
struct LanguageOption {
    std::optional<vartel::Language> Language; // none given
    QString Error;                            // a missing or unknown code
};
LanguageOption ReadLanguageOption(int argc, const char* const argv[]);

// Installs the translations of `language` (the program's and Qt's own dialogs'); English removes them.
// Needs the application object.
void UseLanguage(Language language);
Language CurrentLanguage();
// The help document in the current language.
QString HelpDocumentResource();

} // namespace vartel
