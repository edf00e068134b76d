#include "help/LinkDetector.h"

#include <QRegularExpression>

namespace vartel {
namespace {

const QRegularExpression& LinkPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"((?:https?://|www\.|mailto:)[^\s<>"]+|[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(?:\.[A-Za-z0-9-]+)+)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

bool EndsSentence(QChar c) {
    return QStringLiteral(".,;:!?)]}'").contains(c);
}

} // namespace

QList<LinkRange> FindLinks(const QString& text) {
    QList<LinkRange> links;
    auto matches = LinkPattern().globalMatch(text);
    while (matches.hasNext()) {
        const auto match = matches.next();
        LinkRange link{int(match.capturedStart()), int(match.capturedLength())};
        while (link.length > 0 && EndsSentence(text.at(link.start + link.length - 1))) {
            --link.length;
        }
        const QString linkText = text.mid(link.start, link.length);
        const bool onlyPrefix = linkText.compare(QStringLiteral("www."), Qt::CaseInsensitive) == 0 ||
                                linkText.endsWith(QStringLiteral("://")) ||
                                linkText.compare(QStringLiteral("mailto:"), Qt::CaseInsensitive) == 0;
        if (link.length > 0 && !onlyPrefix) {
            links.append(link);
        }
    }
    return links;
}

std::optional<LinkRange> LinkAt(const QString& text, int position) {
    for (const LinkRange& link : FindLinks(text)) {
        if (position >= link.start && position < link.start + link.length) {
            return link;
        }
    }
    return std::nullopt;
}

QString LinkTarget(const QString& linkText) {
    if (linkText.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) {
        return QStringLiteral("http://") + linkText;
    }
    const bool hasScheme = linkText.contains(QStringLiteral("://")) ||
                           linkText.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive);
    if (!hasScheme && linkText.contains(QLatin1Char('@'))) {
        return QStringLiteral("mailto:") + linkText;
    }
    return linkText;
}

} // namespace vartel
