#include "ui/WindowFit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vartel {

double FittingRatio(QSize available, QMargins frame, QSize client, double ratio)
{
    // Two device pixels to spare for the rounding of a fractional ratio in the window's place and size.
    const double roomX = available.width() - frame.left() - frame.right() - 2;
    const double roomY = available.height() - frame.top() - frame.bottom() - 2;
    const double fit = std::min(roomX / client.width(), roomY / client.height());
    if (fit >= ratio)
        return ratio;
    return std::max(std::floor(fit * 100) / 100, 0.01);
}

std::optional<double> ScaleFactorToFit(const QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return std::nullopt;
    const double ratio = window.devicePixelRatioF();
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const auto device = [ratio](int logical) { return static_cast<int>(std::lround(logical * ratio)); };
    const QMargins margins(device(client.left() - frame.left()), device(client.top() - frame.top()),
                           device(frame.right() - client.right()), device(frame.bottom() - client.bottom()));
    const QSize available(device(screen->availableGeometry().width()), device(screen->availableGeometry().height()));
    const double fitting = FittingRatio(available, margins, client.size(), ratio);
    if (fitting >= ratio)
        return std::nullopt;
    const double present = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    return (present > 0 ? present : 1.0) * fitting / ratio;
}

void KeepFrameOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    // At a fractional ratio the logical area can end a fraction of a pixel beyond the screen.
    const QRect available = screen->availableGeometry().adjusted(0, 0, -1, -1);
    const QRect frame = window.frameGeometry();
    // Right and bottom first, so that a frame larger than the area keeps its title bar and left edge in it.
    QPoint shift(std::min(0, available.right() - frame.right()), std::min(0, available.bottom() - frame.bottom()));
    shift.rx() = std::max(shift.x(), available.left() - frame.left());
    shift.ry() = std::max(shift.y(), available.top() - frame.top());
    if (!shift.isNull())
        window.move(window.pos() + shift);
}

} // namespace vartel
