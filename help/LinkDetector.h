#pragma once
// Web and mail addresses in plain text, found the way a rich-text control detects them: http:// and
// https:// addresses, addresses starting with www., mailto: links and bare mail addresses.
#include <QList>
#include <QString>

#include <optional>

namespace vartel {

struct LinkRange {
    int Start = 0;  // index of the first character in the text
    int Length = 0; // characters
    friend bool operator==(const LinkRange&, const LinkRange&) = default;
};

// The links of `text` in order; punctuation that ends a sentence is not part of a link.
QList<LinkRange> FindLinks(const QString& text);

// The link that covers the character at `position`, if any.
std::optional<LinkRange> LinkAt(const QString& text, int position);

// What the desktop is asked to open for a link's text: a www. address as a web address, a bare mail
// address as a mailto: link, anything else unchanged.
QString LinkTarget(const QString& linkText);

} // namespace vartel
