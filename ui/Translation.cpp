#include "ui/Translation.h"

#include "model/ParameterCommit.h"

#include <QCoreApplication>

#include <array>
#include <cstring>
#include <optional>

namespace vartel {

namespace {

struct Pattern {
    const char* Context;
    const char* English; // with "%1" for the value
};

// The model's texts that are composed from a pattern and a value.
constexpr std::array<Pattern, 2> Patterns{{
    {"Correction", NotAnIntegerMessage},
    {"Correction", NotAFloatMessage},
}};

// The value `text` holds in the place of the pattern's "%1", or nothing when `text` is not made from it.
std::optional<QString> FilledInValue(const QString& pattern, const QString& text)
{
    const qsizetype at = pattern.indexOf(QLatin1String("%1"));
    if (at < 0)
        return std::nullopt;
    const QString before = pattern.left(at);
    const QString after = pattern.mid(at + 2);
    if (text.size() < before.size() + after.size() || !text.startsWith(before) || !text.endsWith(after))
        return std::nullopt;
    return text.mid(before.size(), text.size() - before.size() - after.size());
}

} // namespace

QString Translated(const char* context, const std::string& english)
{
    const QString text = QString::fromStdString(english);
    if (text.isEmpty())
        return text;
    const QString translation = QCoreApplication::translate(context, english.c_str());
    if (translation != text)
        return translation;
    for (const Pattern& pattern : Patterns) {
        if (std::strcmp(pattern.Context, context) != 0)
            continue;
        if (const std::optional<QString> value = FilledInValue(QString::fromUtf8(pattern.English), text))
            return QCoreApplication::translate(pattern.Context, pattern.English).arg(*value);
    }
    return text;
}

QString StartCaption(RunState state)
{
    return QCoreApplication::translate(StartButtonContext, StartButtonTextsOf(state).Caption);
}

} // namespace vartel
