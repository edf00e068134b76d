#include "platform/SaveFileDialog.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QRegularExpression>

namespace vartel {

namespace {

// Icons and type names from the kind of an entry and its name; Qt's own provider reads a file's first
// bytes to guess its type.
class FileKindIconProvider final : public QFileIconProvider {
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return icon(Drive);
        return icon(info.isDir() ? Folder : File);
    }

    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return SaveFileDialog::tr("Folder");
        if (!info.isFile())
            return SaveFileDialog::tr("Special file");
        const QList<QMimeType> byName = QMimeDatabase().mimeTypesForFileName(info.fileName());
        if (!byName.isEmpty() && !byName.first().comment().isEmpty())
            return byName.first().comment();
        return info.suffix().isEmpty() ? SaveFileDialog::tr("File")
                                       : SaveFileDialog::tr("%1 File").arg(info.suffix().toUpper());
    }
};

} // namespace

void UseFileKindIcons(QFileDialog& dialog)
{
    auto* provider = new FileKindIconProvider;
    dialog.setIconProvider(provider);
    // The dialog does not own its provider.
    QObject::connect(&dialog, &QObject::destroyed, [provider] { delete provider; });
}

SaveFileDialog::SaveFileDialog(QWidget* owner, const QString& title) : QFileDialog(owner, title)
{
    setOption(QFileDialog::DontUseNativeDialog);
    UseFileKindIcons(*this);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

void SaveFileDialog::accept()
{
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty()) {
        const QString problem = SaveChoiceProblem(chosen.constFirst());
        if (!problem.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), problem);
            return;
        }
    }
    QFileDialog::accept();
}

QString FilterExtension(const QString& filter)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\\(\\s*\\*\\.(\\w+)\\s*\\)\\s*$")).match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString SaveChoiceProblem(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {};
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return SaveFileDialog::tr("%1\nThis folder does not exist. The file must be saved in an existing folder.")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        return SaveFileDialog::tr("%1\nThis file is read-only and cannot be chosen. Choose another name.")
            .arg(info.fileName());
    return {};
}

bool MayPreview(const QFileInfo& info)
{
    return info.isFile() && info.size() > 0 &&
           QImageReader::supportedImageFormats().contains(info.suffix().toLower().toLatin1());
}

} // namespace vartel
