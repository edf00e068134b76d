#include "tools/BatchOutput.h"

#include "output/DataFile.h"
#include "output/PictureSaver.h"
#include "output/SafeFileWriter.h"
#include "output/ViewSources.h"
#include "views/GraphView.h"
#include "views/PyramidView.h"
#include "views/RasterCanvas.h"

#include <QDate>
#include <QLocale>

namespace vartel {

namespace {

PictureFormat FormatOf(const std::string& fileName)
{
    return FormatForExtension(UpperExtension(fileName));
}

// An image control's picture before anything is drawn on it.
QImage BlankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

std::string CheckPictureNames(const BatchArguments& a)
{
    for (const std::string* name : {&a.GraphFile, &a.PyramidFile})
        if (!name->empty() && FormatOf(*name) == PictureFormat::Unknown)
            return *name + ": " + UnsupportedExtensionMessage();
    return {};
}

QImage GraphScreenImage(const SimulationState& s, bool linearScale)
{
    QImage image = BlankImage(GraphWidth, GraphHeight);
    RasterCanvas canvas(image);
    ClearGraphImage(canvas);
    DrawGraph(canvas, s, linearScale, 1);
    return image;
}

QImage PyramidScreenImage(const SimulationState& s)
{
    QImage image = BlankImage(PyramidWidth, PyramidHeight);
    RasterCanvas canvas(image);
    DrawPyramid(canvas, s, s.Year, 1);
    return image;
}

std::vector<std::string> WriteBatchOutput(const SimulationState& s, const BatchArguments& a)
{
    std::vector<std::string> errors;
    const auto keep = [&errors](const std::string& error) {
        if (!error.empty())
            errors.push_back(error);
    };
    if (!a.DataFile.empty()) {
        const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        keep(WriteFileSafely(a.DataFile, DataFileText(s, today.toStdString())));
    }
    if (!a.GraphFile.empty()) {
        const QImage bitmap = GraphScreenImage(s, a.LinearScale);
        keep(SavePicture(FormatOf(a.GraphFile), a.GraphFile, GraphViewSource(&bitmap, s, a.LinearScale)));
    }
    if (!a.PyramidFile.empty()) {
        const QImage bitmap = PyramidScreenImage(s);
        keep(SavePicture(FormatOf(a.PyramidFile), a.PyramidFile, PyramidViewSource(&bitmap, s, s.Year)));
    }
    return errors;
}

} // namespace vartel
