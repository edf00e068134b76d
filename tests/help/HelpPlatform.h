#pragma once
// A platform that records the help window's messages and opened links, with a printer or without.
#include "platform/Platform.h"

#include <vector>

namespace vartel::test {

struct ShownMessage {
    QString caption;
    QString text;
    MessageIcon icon;
};

class HelpPlatform final : public Platform {
public:
    explicit HelpPlatform(bool printer) : printer_(printer) {}

    void ShowMessage(QWidget*, const QString& caption, const QString& text, MessageIcon icon) override
    {
        messages.push_back({caption, text, icon});
    }
    QString AskSaveFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    QString AskOpenFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    void Beep() override {}
    void PlayWave(const QString&) override {}
    void OpenLink(const QString& link) override { links.push_back(link); }
    std::uint64_t ClockSeed() override { return 1; }
    bool PrinterInstalled() override { return printer_; }

    void SetPrinter(bool printer) { printer_ = printer; }

    std::vector<ShownMessage> messages;
    std::vector<QString> links;

private:
    bool printer_;
};

} // namespace vartel::test
