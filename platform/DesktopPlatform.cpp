#include "platform/DesktopPlatform.h"

#include "platform/SaveFileDialog.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QSoundEffect>
#include <QUrl>

namespace vartel {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A picture preview to the right of the dialog's own controls; formats Qt cannot read show a notice.
void AddPicturePreview(QFileDialog& dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr)
        return;
    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("PicturePreview"));
    preview->setFixedSize(200, 160);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        QImage image;
        if (MayPreview(QFileInfo(path))) {
            QImageReader reader(path);
            image = reader.canRead() ? reader.read() : QImage();
        }
        if (image.isNull()) {
            preview->setPixmap(QPixmap());
            preview->setText(SaveFileDialog::tr("(None)"));
            return;
        }
        preview->setPixmap(QPixmap::fromImage(
            image.scaled(preview->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    });
}

} // namespace

DesktopPlatform::DesktopPlatform() = default;
DesktopPlatform::~DesktopPlatform() = default;

void DesktopPlatform::ShowMessage(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon)
{
    QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::Ok, owner);
    box.exec();
}

QString DesktopPlatform::AskSaveFileName(QWidget* owner, const FileDialogRequest& request)
{
    SaveFileDialog dialog(owner, request.Title);
    dialog.setNameFilters(request.Filters);
    dialog.setDefaultSuffix(request.DefaultExtension);
    if (request.ExtensionFollowsFilter)
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterExtension(filter)); });
    if (!request.ProposedName.isEmpty())
        dialog.selectFile(request.ProposedName);
    if (request.PicturePreview)
        AddPicturePreview(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString DesktopPlatform::AskOpenFileName(QWidget* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner, request.Title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    UseFileKindIcons(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(request.Filters);
    if (!request.ProposedName.isEmpty())
        dialog.selectFile(request.ProposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void DesktopPlatform::Beep()
{
    QApplication::beep();
}

void DesktopPlatform::PlayWave(const QString& resourcePath)
{
    // A missing sound is skipped without a word; without an audio device QSoundEffect stays silent itself.
    if (!QFile::exists(resourcePath))
        return;
    const QUrl source(QStringLiteral("qrc") + resourcePath);
    if (sound_.isNull())
        sound_ = new QSoundEffect(QCoreApplication::instance());
    if (sound_->source() != source)
        sound_->setSource(source);
    sound_->play();
}

void DesktopPlatform::OpenLink(const QString& link)
{
    QDesktopServices::openUrl(QUrl(link));
}

std::uint64_t DesktopPlatform::ClockSeed()
{
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
}

bool DesktopPlatform::PrinterInstalled()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

} // namespace vartel
