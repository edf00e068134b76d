#pragma once
// The lines of a document as its layout shows them, counted from 0 over the whole document, so that a
// paragraph that wraps counts as several lines. The chapter links of the help window count on them.
#include <QString>

#include <optional>
#include <vector>

class QTextDocument;

namespace vartel {

struct DocumentLine {
    int Start = 0;    // document position of the line's first character
    QString Text;     // the characters of the line, without the line break
    double Top = 0.0; // distance of the line's top from the document's top, in layout pixels
};

// Lays the document out (at its current text width) and lists its lines.
std::vector<DocumentLine> LayOutLines(const QTextDocument& document);

// The line that holds the document position (a position between two lines belongs to the later one,
// the end of a paragraph to its last line).
int LineOfPosition(const std::vector<DocumentLine>& lines, int position);

// The contents lines of the help document: their line numbers.
inline constexpr int FirstContentsLine = 2;
inline constexpr int LastContentsLine = 11;

// For a line of the table of contents, the first later line with exactly the same text: its chapter
// heading. Nothing for any other line, or when no heading matches.
std::optional<int> ChapterHeadingLine(const std::vector<DocumentLine>& lines, int line);

} // namespace vartel
