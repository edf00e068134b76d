#include "output/GifEncoder.h"

#include <gif_lib.h>

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <vector>

namespace vartel {

namespace {

constexpr int MaxColours = 256;
constexpr int MaxDimension = 65535;

struct IndexedImage {
    std::vector<GifColorType> Palette;
    std::vector<GifByteType> Indices; // row by row
};

// The exact palette in order of first appearance, or false when there are more than 256 colours.
bool IndexExactly(const QImage& rgb, IndexedImage& result)
{
    QHash<QRgb, int> indexOf;
    result.Indices.reserve(static_cast<std::size_t>(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] | 0xFF000000U;
            auto found = indexOf.constFind(colour);
            if (found == indexOf.constEnd()) {
                if (indexOf.size() == MaxColours)
                    return false;
                found = indexOf.insert(colour, static_cast<int>(result.Palette.size()));
                result.Palette.push_back(GifColorType{static_cast<GifByteType>(qRed(colour)),
                                                      static_cast<GifByteType>(qGreen(colour)),
                                                      static_cast<GifByteType>(qBlue(colour))});
            }
            result.Indices.push_back(static_cast<GifByteType>(found.value()));
        }
    }
    return true;
}

std::string Quantise(const QImage& rgb, IndexedImage& result)
{
    const std::size_t count = static_cast<std::size_t>(rgb.width()) * rgb.height();
    std::vector<GifByteType> red(count), green(count), blue(count);
    std::size_t i = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x, ++i) {
            red[i] = static_cast<GifByteType>(qRed(line[x]));
            green[i] = static_cast<GifByteType>(qGreen(line[x]));
            blue[i] = static_cast<GifByteType>(qBlue(line[x]));
        }
    }
    int colours = MaxColours;
    result.Palette.assign(MaxColours, GifColorType{0, 0, 0});
    result.Indices.assign(count, 0);
    if (GifQuantizeBuffer(static_cast<unsigned>(rgb.width()), static_cast<unsigned>(rgb.height()), &colours, red.data(),
                          green.data(), blue.data(), result.Indices.data(), result.Palette.data()) != GIF_OK)
        return QCoreApplication::translate("FileError", "GIF error: the colours could not be reduced to 256")
            .toStdString();
    result.Palette.resize(static_cast<std::size_t>(std::clamp(colours, 1, MaxColours)));
    return {};
}

int AppendToString(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

std::string GifError(int code)
{
    const char* text = GifErrorString(code);
    return QCoreApplication::translate("FileError", "GIF error: %1")
        .arg(QString::fromLatin1(text != nullptr ? text : "unknown"))
        .toStdString();
}

} // namespace

std::string EncodeGif(const QImage& image, std::string& out)
{
    if (image.isNull())
        return QCoreApplication::translate("FileError", "There is no picture to save").toStdString();
    if (image.width() > MaxDimension || image.height() > MaxDimension)
        return QCoreApplication::translate("FileError", "The picture is too large for a GIF file").toStdString();
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    IndexedImage indexed;
    if (!IndexExactly(rgb, indexed)) {
        const std::string error = Quantise(rgb, indexed);
        if (!error.empty())
            return error;
    }
    // giflib wants a power of two of at least 2 entries; the unused ones are black.
    int entries = 2;
    while (entries < static_cast<int>(indexed.Palette.size()))
        entries *= 2;
    indexed.Palette.resize(static_cast<std::size_t>(entries), GifColorType{0, 0, 0});
    ColorMapObject* map = GifMakeMapObject(entries, indexed.Palette.data());
    if (map == nullptr)
        return QCoreApplication::translate("FileError", "Not enough memory for the GIF palette").toStdString();

    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToString, &error);
    if (gif == nullptr) {
        GifFreeMapObject(map);
        return GifError(error);
    }
    bool ok = EGifPutScreenDesc(gif, rgb.width(), rgb.height(), 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, rgb.width(), rgb.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < rgb.height(); ++y)
        ok =
            EGifPutLine(gif, indexed.Indices.data() + static_cast<std::size_t>(y) * rgb.width(), rgb.width()) == GIF_OK;
    if (!ok)
        error = gif->Error;
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok) { // frees gif in every case
        ok = false;
        error = closeError;
    }
    GifFreeMapObject(map);
    if (!ok)
        return GifError(error);
    out = std::move(bytes);
    return {};
}

} // namespace vartel
