#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace vartel {

namespace {

Language current = Language::English;

// Installed while the language is Dutch: the program's texts, then Qt's (the file and print dialogs).
std::unique_ptr<QTranslator> programTexts;
std::unique_ptr<QTranslator> qtTexts;

void RemoveTranslations()
{
    for (std::unique_ptr<QTranslator>* translator : {&programTexts, &qtTexts}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

} // namespace

Language LanguageOf(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QString code = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (code == QLatin1String("nl"))
            return Language::Dutch;
        if (code == QLatin1String("en"))
            return Language::English;
    }
    return Language::English;
}

Language DesktopLanguage()
{
    return LanguageOf(QLocale::system().uiLanguages());
}

std::optional<Language> LanguageOfCode(const QString& code)
{
    if (code == QLatin1String("nl"))
        return Language::Dutch;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

LanguageOption ReadLanguageOption(int argc, const char* const argv[])
{
    LanguageOption option;
    for (int i = 1; i < argc; ++i) {
        QString code;
        if (std::strcmp(argv[i], "--lang") == 0) {
            if (i + 1 >= argc) {
                option.Error = QStringLiteral("--lang needs a language: nl or en");
                return option;
            }
            code = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strncmp(argv[i], "--lang=", 7) == 0) {
            code = QString::fromLocal8Bit(argv[i] + 7);
        } else {
            continue;
        }
        option.Language = LanguageOfCode(code);
        if (!option.Language) {
            option.Error = QStringLiteral("unknown language '%1' for --lang: nl or en").arg(code);
            return option;
        }
    }
    return option;
}

void UseLanguage(Language language)
{
    RemoveTranslations();
    current = language;
    if (language == Language::English)
        return;
    programTexts = std::make_unique<QTranslator>();
    if (programTexts->load(QStringLiteral(":/i18n/vartel_nl.qm")))
        QCoreApplication::installTranslator(programTexts.get());
    // Qt's own texts come with the system's Qt translations, where installed; without them the dialogs'
    // buttons stay English.
    qtTexts = std::make_unique<QTranslator>();
    if (qtTexts->load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts.get());
}

Language CurrentLanguage()
{
    return current;
}

QString HelpDocumentResource()
{
    return current == Language::Dutch ? QStringLiteral(":/Uitleg_nl") : QStringLiteral(":/Uitleg");
}

} // namespace vartel
