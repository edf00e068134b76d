#include "help/DocumentLines.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace vartel {

std::vector<DocumentLine> LayOutLines(const QTextDocument& document)
{
    std::vector<DocumentLine> lines;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const double blockTop = layout->blockBoundingRect(block).top(); // lays the block out
        const QTextLayout* blockLayout = block.layout();
        const QString blockText = block.text();
        for (int i = 0; i < blockLayout->lineCount(); ++i) {
            const QTextLine line = blockLayout->lineAt(i);
            QString text = blockText.mid(line.textStart(), line.textLength());
            if (text.endsWith(QChar::LineSeparator)) {
                text.chop(1);
            }
            lines.push_back({block.position() + line.textStart(), text, blockTop + line.y()});
        }
    }
    return lines;
}

int LineOfPosition(const std::vector<DocumentLine>& lines, int position)
{
    const auto after = std::upper_bound(lines.begin(), lines.end(), position,
                                        [](int p, const DocumentLine& line) { return p < line.Start; });
    return after == lines.begin() ? 0 : static_cast<int>(after - lines.begin()) - 1;
}

std::optional<int> ChapterHeadingLine(const std::vector<DocumentLine>& lines, int line)
{
    if (line < FirstContentsLine || line > LastContentsLine || line >= static_cast<int>(lines.size())) {
        return std::nullopt;
    }
    for (int next = line + 1; next < static_cast<int>(lines.size()); ++next) {
        if (lines[next].Text == lines[line].Text) {
            return next;
        }
    }
    return std::nullopt;
}

} // namespace vartel
