#pragma once
// The desktop services the windows use, behind one thin layer so that tests run offscreen and can answer
// dialogs. main makes the real one, DesktopPlatform, and hands it to both windows; tests hand them a
// recording fake.
#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

namespace vartel {

enum class MessageIcon { None, Information, Stop };

struct FileDialogRequest {
    QString Title;
    QStringList Filters;                 // "Text file (*.txt)", ...
    QString DefaultExtension;            // without the dot, added to a name typed without one
    bool ExtensionFollowsFilter = false; // choosing a filter makes its extension the default one
    QString ProposedName;                // initial file name (may include a folder)
    bool PicturePreview = false;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual void ShowMessage(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon) = 0;
    // The chosen file name, or an empty string when the user cancelled.
    virtual QString AskSaveFileName(QWidget* owner, const FileDialogRequest& request) = 0;
    // An existing file to read, or an empty string when the user cancelled; defaultExtension is not used.
    virtual QString AskOpenFileName(QWidget* owner, const FileDialogRequest& request) = 0;
    virtual void Beep() = 0;
    // A Qt resource such as ":/LETOP", played asynchronously; a missing sound is skipped.
    virtual void PlayWave(const QString& resourcePath) = 0;
    virtual void OpenLink(const QString& link) = 0;
    virtual std::uint64_t ClockSeed() = 0; // milliseconds of the local clock
    virtual bool PrinterInstalled() = 0;
    // Tells assistive technology that `source` has news, its accessible description: screen readers read
    // it out as they do a message box.
    virtual void Announce(QWidget* source);

    // The general error report: caption "Vartel", stop icon, the text with a full stop appended unless it
    // already ends in one or in a character with a lower code.
    void ReportError(QWidget* owner, const QString& text);
};

} // namespace vartel
