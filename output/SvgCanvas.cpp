#include "output/SvgCanvas.h"

#include "output/MetafileState.h"
#include "views/TextMetrics.h"
#include "widgets/QtColor.h"
#include "widgets/QtFont.h"

#include <QFontMetrics>
#include <QLineF>
#include <QRectF>
#include <algorithm>

namespace vartel {

SvgCanvas::SvgCanvas(QPainter& painter, int width, int height)
    : painter_(painter), width_(std::max(1, width)), height_(std::max(1, height))
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

QPen SvgCanvas::CurrentPen() const
{
    if (pen.Style == PenStyle::Clear)
        return QPen(Qt::NoPen);
    const int width = EffectivePenWidth(pen);
    QPen result(ToQColor(pen.Color));
    result.setWidth(width);
    // Wide pens have round ends and corners like the screen's; a 1-pixel line stops at its last pixel and
    // an outline of 1 pixel has square corners.
    result.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    result.setJoinStyle(width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    if (pen.Style == PenStyle::Dot) {
        // In pen widths: 3 on, 3 off for a 1-pixel pen; round dots every two widths for a wide one.
        result.setDashPattern(width > 1 ? QList<qreal>{0.001, 2.0} : QList<qreal>{3.0, 3.0});
    }
    return result;
}

void SvgCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    const QBrush fill = brush.Style == BrushStyle::Solid ? QBrush(ToQColor(brush.Color)) : QBrush(Qt::NoBrush);
    if (pen.Style == PenStyle::Clear) {
        // Without an outline the fill is one pixel narrower and lower, as on the screen.
        if (brush.Style == BrushStyle::Solid && right - left > 1 && bottom - top > 1)
            painter_.fillRect(QRectF(left, top, right - left - 1, bottom - top - 1), fill);
        return;
    }
    if (right == left || bottom == top)
        return;
    // The outline runs through the centres of the first and last pixel rows and columns.
    painter_.setPen(CurrentPen());
    painter_.setBrush(fill);
    painter_.drawRect(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void SvgCanvas::MoveTo(int x, int y)
{
    position_ = {x, y};
}

void SvgCanvas::LineTo(int x, int y)
{
    if (pen.Style != PenStyle::Clear) {
        painter_.setPen(CurrentPen());
        painter_.drawLine(QLineF(position_.x + 0.5, position_.y + 0.5, x + 0.5, y + 0.5));
    }
    position_ = {x, y};
}

void SvgCanvas::TextOut(int x, int y, const std::string& text)
{
    const QString qtext = QString::fromStdString(text);
    if (qtext.isEmpty())
        return;
    const QFont qfont = ToQFont(font);
    const QFontMetrics metrics(qfont);
    if (brush.Style == BrushStyle::Solid)
        painter_.fillRect(QRectF(x, y, metrics.horizontalAdvance(qtext), metrics.height()), ToQColor(brush.Color));
    painter_.setFont(qfont);
    painter_.setPen(ToQColor(font.Color));
    painter_.drawText(QPointF(x, y + metrics.ascent()), qtext);
}

int SvgCanvas::TextWidth(const std::string& text)
{
    return TextWidthOf(font, text);
}

int SvgCanvas::TextHeight(const std::string& text)
{
    return TextHeightOf(font, text);
}

} // namespace vartel
