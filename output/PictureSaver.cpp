#include "output/PictureSaver.h"

#include "output/EmfCanvas.h"
#include "output/GifEncoder.h"
#include "output/JpegEncoder.h"
#include "output/SafeFileWriter.h"
#include "output/SvgCanvas.h"
#include "output/WmfCanvas.h"
#include "widgets/QtRasterImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

namespace vartel {

namespace {

// Vector pictures are drawn anew at four times the screen size.
constexpr int VectorScale = 4;

std::string EncodeWithQt(const QImage& image, const char* format, std::string& out)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return QCoreApplication::translate("FileError", "The picture could not be encoded as %1")
            .arg(QLatin1String(format))
            .toStdString();
    out = bytes.toStdString();
    return {};
}

std::string DrawSvg(const ViewSource& view, std::string& out)
{
    const int width = view.Width * VectorScale;
    const int height = view.Height * VectorScale;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Vartel"));
    QPainter painter;
    if (!painter.begin(&generator))
        return QCoreApplication::translate("FileError", "The SVG picture could not be started").toStdString();
    {
        SvgCanvas canvas(painter, width, height);
        view.Draw(canvas, VectorScale);
    }
    painter.end();
    // QSvgGenerator gives the size in millimetres, which readers turn back into pixels at their own
    // resolution; the picture is meant in pixels, one per unit of its view box.
    QString text = QString::fromUtf8(bytes);
    static const QRegularExpression sizeInMillimetres(QStringLiteral("width=\"[0-9.e+]+mm\" height=\"[0-9.e+]+mm\""));
    const QRegularExpressionMatch size = sizeInMillimetres.match(text);
    if (size.hasMatch())
        text.replace(size.capturedStart(), size.capturedLength(),
                     QStringLiteral("width=\"%1\" height=\"%2\"").arg(width).arg(height));
    out = text.toStdString();
    return {};
}

template <typename MetafileCanvas> std::string DrawMetafile(const ViewSource& view, std::string& out)
{
    MetafileCanvas canvas(view.Width * VectorScale, view.Height * VectorScale);
    view.Draw(canvas, VectorScale);
    out = canvas.FileBytes();
    return {};
}

std::string Encode(PictureFormat format, const ViewSource& view, std::string& out)
{
    const bool vector = format == PictureFormat::Emf || format == PictureFormat::Wmf || format == PictureFormat::Svg;
    if (vector && (!view.Draw || view.Width <= 0 || view.Height <= 0))
        return QCoreApplication::translate("FileError", "There is no picture to save").toStdString();
    if (!vector && (view.Bitmap == nullptr || view.Bitmap->IsNull()))
        return QCoreApplication::translate("FileError", "There is no picture to save").toStdString();
    const QImage bitmap = vector ? QImage() : WrappedForReading(*view.Bitmap);
    switch (format) {
    case PictureFormat::Emf:
        return DrawMetafile<EmfCanvas>(view, out);
    case PictureFormat::Wmf:
        return DrawMetafile<WmfCanvas>(view, out);
    case PictureFormat::Svg:
        return DrawSvg(view, out);
    case PictureFormat::Bmp:
        return EncodeWithQt(bitmap, "BMP", out);
    case PictureFormat::Png:
        return EncodeWithQt(bitmap, "PNG", out);
    case PictureFormat::Jpeg:
        return EncodeJpeg(bitmap, 100, out);
    case PictureFormat::Gif:
        return EncodeGif(bitmap, out);
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

std::string UpperExtension(const std::string& fileName)
{
    const std::size_t nameStart = fileName.find_last_of('/');
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return {};
    std::string extension = fileName.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

std::string UnsupportedExtensionMessage()
{
    return QCoreApplication::translate("FileError", "Pictures can be saved only with the extension .emf, .wmf, "
                                                    ".bmp, .jpg, .gif, .png or .svg")
        .toStdString();
}

std::string SavePicture(PictureFormat format, const std::string& path, const ViewSource& view)
{
    std::string bytes;
    const std::string error = Encode(format, view, bytes);
    if (!error.empty())
        return QCoreApplication::translate("FileError", "Cannot save \"%1\". %2")
            .arg(QString::fromStdString(path), QString::fromStdString(error))
            .toStdString();
    return WriteFileSafely(path, bytes);
}

} // namespace vartel
