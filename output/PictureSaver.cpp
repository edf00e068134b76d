#include "output/PictureSaver.h"

#include "output/FileExtension.h"

#include "output/BmpEncoder.h"
#include "output/EmfCanvas.h"
#include "output/GifEncoder.h"
#include "output/JpegEncoder.h"
#include "output/PngEncoder.h"
#include "output/SafeFileWriter.h"
#include "output/SvgCanvas.h"
#include "output/WmfCanvas.h"
#include "output/WriterMessages.h"

#include <algorithm>
#include <cctype>

namespace vartel {

namespace {

// Vector pictures are drawn anew at four times the screen size.
constexpr int VectorScale = 4;

std::string NoPicture()
{
    return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "There is no picture to save"));
}

// The metafiles and the SVG picture alike.
template <typename VectorCanvas> std::string DrawVector(const ViewSource& view, std::string& out)
{
    VectorCanvas canvas(view.Width * VectorScale, view.Height * VectorScale);
    view.Draw(canvas, VectorScale);
    out = canvas.FileBytes();
    return {};
}

std::string Encode(PictureFormat format, const ViewSource& view, std::string& out)
{
    const bool vector = format == PictureFormat::Emf || format == PictureFormat::Wmf || format == PictureFormat::Svg;
    if (vector && (!view.Draw || view.Width <= 0 || view.Height <= 0))
        return NoPicture();
    if (!vector && (view.Bitmap == nullptr || view.Bitmap->IsNull()))
        return NoPicture();
    switch (format) {
    case PictureFormat::Emf:
        return DrawVector<EmfCanvas>(view, out);
    case PictureFormat::Wmf:
        return DrawVector<WmfCanvas>(view, out);
    case PictureFormat::Svg:
        return DrawVector<SvgCanvas>(view, out);
    case PictureFormat::Bmp:
        return EncodeBmp(*view.Bitmap, out);
    case PictureFormat::Png:
        return EncodePng(*view.Bitmap, out);
    case PictureFormat::Jpeg:
        return EncodeJpeg(*view.Bitmap, 100, out);
    case PictureFormat::Gif:
        return EncodeGif(*view.Bitmap, out);
    case PictureFormat::Unknown:
        break;
    }
    return UnsupportedExtensionMessage();
}

} // namespace

PictureFormat FormatForExtension(const std::string& extension)
{
    std::string upper = extension;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == ".EMF")
        return PictureFormat::Emf;
    if (upper == ".WMF")
        return PictureFormat::Wmf;
    if (upper == ".BMP")
        return PictureFormat::Bmp;
    if (upper == ".JPG")
        return PictureFormat::Jpeg;
    if (upper == ".GIF")
        return PictureFormat::Gif;
    if (upper == ".PNG")
        return PictureFormat::Png;
    if (upper == ".SVG")
        return PictureFormat::Svg;
    return PictureFormat::Unknown;
}

std::string UnsupportedExtensionMessage()
{
    return WriterMessage("FileError",
                         VARTEL_TRANSLATE_NOOP("FileError", "Pictures can be saved only with the extension "
                                                            ".emf, .wmf, .bmp, .jpg, .gif, .png or .svg"));
}

std::string SavePicture(PictureFormat format, const std::string& path, const ViewSource& view)
{
    std::string bytes;
    const std::string error = Encode(format, view, bytes);
    if (!error.empty())
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "Cannot save \"%1\". %2"), {path, error});
    return WriteFileSafely(path, bytes);
}

} // namespace vartel
