#pragma once
// A platform that records what the window asked of it and answers the save dialogs from a queue.
#include "platform/Platform.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace vartel::test {

struct RecordedMessage {
    QString caption;
    QString text;
    MessageIcon icon;
};

class RecordingPlatform final : public Platform {
public:
    void ShowMessage(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon) override
    {
        messages.push_back({caption, text, icon});
        if (boxOpenMs < 0)
            return;
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
        if (whenBoxOpens)
            whenBoxOpens();
        QTimer::singleShot(boxOpenMs, &box, [this, &box] {
            if (whenBoxCloses)
                whenBoxCloses();
            box.accept();
        });
        box.exec();
    }
    QString AskSaveFileName(QWidget*, const FileDialogRequest& request) override
    {
        fileRequests.push_back(request);
        if (fileAnswers.empty())
            return {};
        const QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    QString AskOpenFileName(QWidget* owner, const FileDialogRequest& request) override
    {
        return AskSaveFileName(owner, request); // the same queue of answers
    }
    void Beep() override { ++beeps; }
    void PlayWave(const QString& resourcePath) override { waves.push_back(resourcePath); }
    void OpenLink(const QString& link) override { links.push_back(link); }
    std::uint64_t ClockSeed() override { return 20240601; }
    bool PrinterInstalled() override { return false; }
    void Announce(QWidget* source) override
    {
        announcements.push_back({source, source->accessibleDescription()});
        Platform::Announce(source);
    }

    std::vector<RecordedMessage> messages;
    std::vector<FileDialogRequest> fileRequests;
    std::deque<QString> fileAnswers; // the names the save dialogs choose, in turn; none left: cancel
    // From 0 on, every message is also a real modal box, open that many milliseconds with the event loop
    // running, as while a student reads it: it takes the focus and holds the run as a real box does.
    int boxOpenMs = -1;
    std::function<void()> whenBoxOpens;  // runs as the box opens, before the event loop runs in it
    std::function<void()> whenBoxCloses; // runs while the box is still open, just before it closes
    std::vector<QString> waves;
    std::vector<QString> links;
    std::vector<std::pair<QWidget*, QString>> announcements; // the source and its description then
    int beeps = 0;
};

} // namespace vartel::test
