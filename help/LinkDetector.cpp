#include "help/LinkDetector.h"

#include <QRegularExpression>

namespace vartel {
namespace {

const QRegularExpression& LinkPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"((?:https?://|www\.|mailto:)[^\s<>"]+|[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(?:\.[A-Za-z0-9-]+)+)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

bool EndsSentence(QChar c)
{
    return QStringLiteral(".,;:!?)]}'").contains(c);
}

} // namespace

QList<LinkRange> FindLinks(const QString& text)
{
    QList<LinkRange> links;
    auto matches = LinkPattern().globalMatch(text);
    while (matches.hasNext()) {
        const auto match = matches.next();
        LinkRange link{static_cast<int>(match.capturedStart()), static_cast<int>(match.capturedLength())};
        while (link.Length > 0 && EndsSentence(text.at(link.Start + link.Length - 1))) {
            --link.Length;
        }
        const QString linkText = text.mid(link.Start, link.Length);
        const bool onlyPrefix = linkText.compare(QStringLiteral("www."), Qt::CaseInsensitive) == 0 ||
                                linkText.endsWith(QStringLiteral("://")) ||
                                linkText.compare(QStringLiteral("mailto:"), Qt::CaseInsensitive) == 0;
        if (link.Length > 0 && !onlyPrefix) {
            links.append(link);
        }
    }
    return links;
}

std::optional<LinkRange> LinkAt(const QString& text, int position)
{
    for (const LinkRange& link : FindLinks(text)) {
        if (position >= link.Start && position < link.Start + link.Length) {
            return link;
        }
    }
    return std::nullopt;
}

QString LinkTarget(const QString& linkText)
{
    if (linkText.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) {
        return QStringLiteral("http://") + linkText;
    }
    const bool hasScheme =
        linkText.contains(QStringLiteral("://")) || linkText.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive);
    if (!hasScheme && linkText.contains(QLatin1Char('@'))) {
        return QStringLiteral("mailto:") + linkText;
    }
    return linkText;
}

} // namespace vartel
