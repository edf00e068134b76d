#pragma once
// Saving a view as a picture; the format is chosen by the file name's extension alone.
#include "views/Canvas.h"
#include "views/RasterImage.h"

#include <functional>
#include <string>

namespace vartel {

enum class PictureFormat { Emf, Wmf, Bmp, Jpeg, Gif, Png, Svg, Unknown };

// `extension` with its dot, any case (".Emf"); only ".JPG" selects JPEG.
PictureFormat FormatForExtension(const std::string& extension);
// The message for any other extension, naming the ones that work.
std::string UnsupportedExtensionMessage();

// Draws the view anew at scale s on the given canvas (DrawGraph or DrawPyramid).
using ViewDrawing = std::function<void(Canvas& canvas, int s)>;

struct ViewSource {
    const RasterImage* Bitmap; // the view's screen bitmap, for BMP, JPEG, GIF and PNG
    ViewDrawing Draw;          // for EMF, WMF and SVG, drawn at scale 4
    int Width;                 // the view's size at scale 1
    int Height;
};

// Returns "" on success, otherwise the error text (names the file and the system's reason). The whole file
// is made in memory first and written through WriteFileSafely, so a failure never leaves a partial file.
// Unknown writes nothing and returns a text holding UnsupportedExtensionMessage(); the window shows none.
std::string SavePicture(PictureFormat format, const std::string& path, const ViewSource& view);

} // namespace vartel
