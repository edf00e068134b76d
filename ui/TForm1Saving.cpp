// The save buttons: the data file (Button2) and the graph and pyramid pictures (Button1, Button3); the
// graph's menu saves the run as an animation and its set-up as a lesson.
#include "lesson/LessonWriter.h"
#include "lesson/RecordedLesson.h"
#include "output/AnimationWriter.h"
#include "output/DataFileSaver.h"
#include "output/FileExtension.h"
#include "output/PictureSaver.h"
#include "output/SafeFileWriter.h"
#include "output/ViewSources.h"
#include "platform/Language.h"
#include "platform/Platform.h"
#include "ui/ImageView.h"
#include "ui/LessonEditor.h"
#include "ui/TForm1.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace vartel {

namespace {

QStringList PictureFilters()
{
    return {TForm1::tr("Enhanced Metafile (*.emf)"),
            TForm1::tr("Metafile (*.wmf)"),
            TForm1::tr("Bitmap (*.bmp)"),
            TForm1::tr("JPEG Image File (*.jpg)"),
            TForm1::tr("CompuServe GIF Image (*.gif)"),
            TForm1::tr("PNG Image (*.png)"),
            TForm1::tr("Scalable Vector Graphics (*.svg)")};
}

// The dialog adds the default extension to a name typed without one; done here as well, so the rule holds
// whatever dialog answered.
QString WithDefaultExtension(const QString& name, const QString& extension)
{
    const qsizetype nameStart = name.lastIndexOf(u'/') + 1;
    if (extension.isEmpty() || name.indexOf(u'.', nameStart) >= 0)
        return name;
    return name + u'.' + extension;
}

std::string FileSystemPath(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

} // namespace

void TForm1::ConnectSaving()
{
    connect(ui_.Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui_.Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui_.Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    ui_.GraphMenu->addSeparator();
    ui_.SaveAnimationItem = ui_.GraphMenu->addAction(tr("Save animation…"), this, &TForm1::SaveAnimationClick);
    ui_.SaveAnimationItem->setObjectName(QStringLiteral("SaveAnimationItem"));
    ui_.SaveLessonItem = ui_.GraphMenu->addAction(tr("Save as lesson…"), this, &TForm1::SaveAsLessonClick);
    ui_.SaveLessonItem->setObjectName(QStringLiteral("SaveLessonItem"));
}

QStringList TForm1::DataFileFilters()
{
    return {tr("Text file (*.txt)"), tr("Spreadsheet (*.csv)")};
}

void TForm1::Button2Click()
{
    if (state().Running)
        StartButtonClick();
    FileDialogRequest request;
    request.Title = tr("Save Data");
    // A workbook can be saved but not compared, so it is not one of the data files' filters.
    request.Filters = DataFileFilters() << tr("Workbook (*.xlsx)");
    request.DefaultExtension = QStringLiteral("txt");
    request.ExtensionFollowsFilter = true;
    request.ProposedName = dataFileName_;
    const QString chosen = platform_.AskSaveFileName(this, request);
    if (!chosen.isEmpty()) {
        dataFileName_ = WithDefaultExtension(chosen, request.DefaultExtension);
        // The name's extension chooses the file, as it chooses a picture's format.
        const std::string path = FileSystemPath(dataFileName_);
        const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        const std::string error = SaveDataFile(state(), path, today.toStdString());
        if (!error.empty()) {
            platform_.ReportError(this, QString::fromStdString(error));
            return;
        }
    }
    ui_.StartButton->setFocus();
}

void TForm1::Button1Click()
{
    SaveViewPicture(false);
}

void TForm1::Button3Click()
{
    SaveViewPicture(true);
}

void TForm1::SaveViewPicture(bool pyramid)
{
    SimulationState& s = model().S;
    if (s.Running)
        StartButtonClick();
    FileDialogRequest request;
    request.Title = pyramid ? tr("Save population pyramid as image file") : tr("Save graph as image file");
    request.Filters = PictureFilters();
    request.DefaultExtension = pictureDefaultExtension_;
    request.ProposedName = pictureFileName_;
    request.PicturePreview = true;
    const QString chosen = platform_.AskSaveFileName(this, request);
    if (chosen.isEmpty()) {
        ui_.StartButton->setFocus();
        return;
    }
    const std::string name = WithDefaultExtension(chosen, request.DefaultExtension).toStdString();
    pictureFileName_ = QString::fromStdString(name);
    s.LastImageExtension = UpperExtension(name);
    pictureDefaultExtension_ = QString::fromStdString(s.LastImageExtension).mid(1);

    const PictureFormat format = FormatForExtension(s.LastImageExtension);
    if (format == PictureFormat::Unknown) {
        // Nothing is written; saying so is better than a save that silently did not happen.
        platform_.ShowMessage(this, QStringLiteral("Vartel"), QString::fromStdString(UnsupportedExtensionMessage()),
                              MessageIcon::Information);
    } else {
        const bool linear = ui_.Linscale->isChecked();
        const int pyramidYear = s.Frozen ? s.BrowseYear : s.Year;
        const ViewSource view = pyramid ? PyramidViewSource(&ui_.Image1->Picture(), s, pyramidYear)
                                        : GraphViewSource(&ui_.Image2->Picture(), s, linear, keptCurves_);
        const std::string error = SavePicture(format, FileSystemPath(pictureFileName_), view);
        if (!error.empty()) {
            platform_.ReportError(this, QString::fromStdString(error));
            return;
        }
    }
    pictureFileName_ = QString::fromStdString(name.substr(0, name.size() - s.LastImageExtension.size()));
    ui_.StartButton->setFocus();
}

void TForm1::SaveAnimationClick()
{
    if (state().Running)
        StartButtonClick();
    FileDialogRequest request;
    request.Title = tr("Save animation");
    request.Filters = {tr("CompuServe GIF Image (*.gif)")};
    request.DefaultExtension = QStringLiteral("gif");
    request.ProposedName = animationFileName_;
    const QString chosen = platform_.AskSaveFileName(this, request);
    if (!chosen.isEmpty()) {
        animationFileName_ = WithDefaultExtension(chosen, request.DefaultExtension);
        const std::string error =
            SaveAnimation(FileSystemPath(animationFileName_), state(), ui_.Linscale->isChecked(), keptCurves_);
        if (!error.empty())
            platform_.ReportError(this, QString::fromStdString(error));
    }
    ui_.StartButton->setFocus();
}

void TForm1::SaveAsLessonClick()
{
    if (state().Running)
        StartButtonClick();
    Lesson setUp = LessonOfRecording(recorder_);
    setUp.Speed = session_->Speed();
    setUp.Language = CurrentLanguage() == Language::Dutch ? "nl" : "en";
    // Every student's run then draws the same numbers as this one.
    if (seed_ <= MaxLessonSeed)
        setUp.Seed = seed_;
    LessonEditor editor(setUp, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    FileDialogRequest request;
    request.Title = tr("Save as lesson");
    request.Filters = {tr("Lesson (*.vartel)")};
    request.DefaultExtension = QStringLiteral("vartel");
    request.ProposedName = lessonFileName_;
    const QString chosen = platform_.AskSaveFileName(this, request);
    if (chosen.isEmpty())
        return;
    lessonFileName_ = WithDefaultExtension(chosen, request.DefaultExtension);
    const std::string error = WriteFileSafely(FileSystemPath(lessonFileName_), WriteLesson(editor.Edited()));
    if (!error.empty())
        platform_.ReportError(this, QString::fromStdString(error));
}

} // namespace vartel
