#pragma once
// The real desktop services: Qt message boxes and file dialogs, the system beep, QSoundEffect, the
// desktop's link handler, the local clock and the printer list.
#include "platform/Platform.h"

#include <QPointer>
#include <QSoundEffect>

namespace vartel {

class DesktopPlatform final : public Platform {
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    void ShowMessage(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon) override;
    QString AskSaveFileName(QWidget* owner, const FileDialogRequest& request) override;
    QString AskOpenFileName(QWidget* owner, const FileDialogRequest& request) override;
    void Beep() override;
    void PlayWave(const QString& resourcePath) override;
    void OpenLink(const QString& link) override;
    std::uint64_t ClockSeed() override;
    bool PrinterInstalled() override;

private:
    // Created on first use as a child of the application, which deletes it; the pointer sees when.
    QPointer<QSoundEffect> sound_;
};

} // namespace vartel
