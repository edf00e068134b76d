#pragma once
// The canvases of a view drawn on an image control (the graph, the pyramid). At a device pixel ratio above
// 1 the view is drawn by its one routine twice: on the screen picture at the screen's resolution, and on
// the 1x picture, which is saved as a bitmap and which positions refer to. At 1 both are one picture.
// Above 1 the 1x picture is read only when a view is saved, so its drawing waits until then.
#include "views/DeferredCanvas.h"
#include "views/RasterCanvas.h"

#include <QMetaObject>

#include <functional>
#include <memory>

namespace vartel {

class ImageView;

class ViewCanvases {
public:
    using Drawing = std::function<void(Canvas&)>;

    explicit ViewCanvases(ImageView& view);
    ~ViewCanvases();

    // A drawing that builds on what the picture holds, like the graph's yearly segment: on the screen now,
    // and on the 1x picture when the control's Picture() is next asked for.
    void Draw(const Drawing& drawing);
    // A drawing that covers the whole picture and keeps no canvas state, like the pyramid: on the screen
    // now, and on the 1x picture when the control's Picture() is next asked for, so a year costs one
    // drawing at any ratio.
    void Repaint(Drawing drawing);
    // How the screen picture is drawn anew when the control moves to another device pixel ratio; by default
    // the last Repaint.
    void SetRebuild(Drawing rebuild) { rebuild_ = std::move(rebuild); }

    // The 1x canvas: pen, position and the rest of its state, as Draw left them (both canvases agree).
    const Canvas& State() const;

private:
    void FollowDeviceRatio();
    void PlayDeferred();

    ImageView& view_;
    std::unique_ptr<RasterCanvas> picture_;
    std::unique_ptr<RasterCanvas> screen_;     // only above ratio 1
    std::unique_ptr<DeferredCanvas> deferred_; // the 1x drawings not yet made
    Drawing lastRepaint_;
    Drawing rebuild_;
    QMetaObject::Connection following_; // the control's DeviceRatioChanged
};

} // namespace vartel
