#pragma once
// The save dialog of the data file and of the pictures. It refuses, with a message and staying open, a
// name it could not save to: a folder that does not exist, a file that is read-only. It never reads the
// files it lists (special files such as those in /proc or a named pipe would block it): icons and types
// are judged by name and kind only, and the picture preview opens only what is named as a picture.
#include <QFileDialog>

class QFileInfo;

namespace vartel {

class SaveFileDialog : public QFileDialog {
    Q_OBJECT
public:
    SaveFileDialog(QWidget* owner, const QString& title);

public slots:
    void accept() override;
};

// Why `path` cannot be chosen to save to, or an empty text when it can. A folder is no problem: the dialog
// opens it. Read-only is judged by the file's mode, not by what the user (root, say) may do anyway.
QString SaveChoiceProblem(const QString& path);

// The icons and type names of SaveFileDialog, judged by name and kind only, for any file dialog.
void UseFileKindIcons(QFileDialog& dialog);

// The extension of a filter such as "Spreadsheet (*.csv)", without the dot; empty for several or none.
QString FilterExtension(const QString& filter);

// Whether the preview may read the file: a regular, non-empty file with a picture's extension.
bool MayPreview(const QFileInfo& info);

} // namespace vartel
