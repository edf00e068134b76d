#include "ui/ViewCanvases.h"

#include "ui/ImageView.h"

#include <cstddef>

namespace vartel {
namespace {

// The graph drawn anew forgets what it covers, so its waiting calls stay near one drawing; this bounds them
// for a view that would never cover what it drew.
constexpr std::size_t MaxDeferredCalls = std::size_t{1} << 16;

} // namespace

ViewCanvases::ViewCanvases(ImageView& view) : view_(view)
{
    picture_ = std::make_unique<RasterCanvas>(view_.Picture());
    following_ = QObject::connect(&view_, &ImageView::DeviceRatioChanged, &view_, [this] { FollowDeviceRatio(); });
    FollowDeviceRatio();
}

ViewCanvases::~ViewCanvases()
{
    QObject::disconnect(following_);
}

void ViewCanvases::Draw(const Drawing& drawing)
{
    if (!screen_) {
        view_.Picture(); // a due repaint first
        drawing(*picture_);
        return;
    }
    if (!deferred_) {
        view_.Picture();
        deferred_ = std::make_unique<DeferredCanvas>(*picture_);
        view_.SetPictureDue([this] { PlayDeferred(); });
    }
    drawing(*deferred_);
    drawing(*screen_);
    if (deferred_->Size() > MaxDeferredCalls)
        view_.Picture();
}

void ViewCanvases::PlayDeferred()
{
    if (const std::unique_ptr<DeferredCanvas> deferred = std::move(deferred_))
        deferred->Play();
}

const Canvas& ViewCanvases::State() const
{
    if (deferred_)
        return *deferred_;
    return *picture_;
}

void ViewCanvases::Repaint(Drawing drawing)
{
    PlayDeferred(); // what Draw left for the 1x picture comes first
    lastRepaint_ = drawing;
    if (screen_) {
        drawing(*screen_);
        view_.SetPictureDue([this, drawing = std::move(drawing)] { drawing(*picture_); });
    } else {
        view_.SetPictureDue(nullptr);
        drawing(*picture_);
    }
}

void ViewCanvases::FollowDeviceRatio()
{
    view_.Picture(); // the 1x picture complete, at ratio 1 it is what the screen shows
    const double ratio = view_.DeviceRatio();
    screen_.reset();
    if (ratio <= 1.0) {
        view_.SetScreenPicture({}, ratio); // the 1x picture, brought up to date when shown
        return;
    }
    const PixelSize device = RasterCanvas::DeviceSize(view_.Picture().Size(), ratio);
    view_.SetScreenPicture(RasterImage(device.Width, device.Height), ratio);
    screen_ = std::make_unique<RasterCanvas>(view_.ScreenPicture(), ratio);
    // The new screen picture takes over the 1x canvas's state, so the next Draw goes on from there.
    screen_->pen = picture_->pen;
    screen_->brush = picture_->brush;
    screen_->font = picture_->font;
    screen_->MoveTo(picture_->Position().x, picture_->Position().y);
    if (const Drawing& redraw = rebuild_ ? rebuild_ : lastRepaint_)
        redraw(*screen_);
}

} // namespace vartel
