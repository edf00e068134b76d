#pragma once
// A small reader for the rich-text format the help document is written in. It builds a QTextDocument with
// the fonts, sizes, colours, bold, italic and underline of the text, its paragraphs, alignment and indents.
// Pictures, style sheets, document information and every unknown destination are skipped.
#include <QByteArray>

class QTextDocument;

namespace vartel {

// Replaces the content of `document` with the RTF text `rtf`. Malformed input (unbalanced braces,
// truncated escapes, huge numbers, deep nesting) gives as much of the document as could be read: the
// reader does not recurse and never reads beyond the input.
void ReadRtf(const QByteArray& rtf, QTextDocument& document);

} // namespace vartel
