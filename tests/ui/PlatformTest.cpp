// The general error report and the desktop's save dialog.
#include "RecordingPlatform.h"
#include "platform/DesktopPlatform.h"
#include "platform/SaveFileDialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vartel::test {
namespace {

class ErrorReport : public ::testing::Test {
protected:
    QString Reported(const QString& text)
    {
        platform.messages.clear();
        platform.ReportError(nullptr, text);
        EXPECT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages.back().caption, QStringLiteral("Vartel")) << "the application title";
        EXPECT_EQ(platform.messages.back().icon, MessageIcon::Stop) << "stop icon";
        return platform.messages.back().text;
    }

    RecordingPlatform platform;
};

TEST_F(ErrorReport, FullStopAppendedUnlessTheTextEndsInOneOrALowerCharacter)
{
    EXPECT_EQ(Reported(QStringLiteral("Cannot create file x")), QStringLiteral("Cannot create file x."));
    EXPECT_EQ(Reported(QStringLiteral("Done.")), QStringLiteral("Done.")) << "ends in a full stop";
    EXPECT_EQ(Reported(QStringLiteral("Stop!")), QStringLiteral("Stop!")) << "'!' is below '.'";
    EXPECT_EQ(Reported(QStringLiteral("a - ")), QStringLiteral("a - ")) << "a blank is below '.'";
    EXPECT_EQ(Reported(QStringLiteral("x/")), QStringLiteral("x/.")) << "'/' is above '.'";
    EXPECT_EQ(Reported(QString()), QString()) << "an empty text stays empty";
}

TEST(DesktopSound, AlarmPlaysOrIsSkippedSilentlyAndAMissingSoundIsSkipped)
{
    QFile wave(QStringLiteral(":/LETOP"));
    ASSERT_TRUE(wave.open(QIODevice::ReadOnly)) << "the alarm is carried with the program as LETOP";
    const QByteArray header = wave.read(12);
    EXPECT_TRUE(header.startsWith("RIFF") && header.mid(8, 4) == "WAVE") << "the alarm is a wave sound";

    // Here there is usually no audio device: playing must neither block nor fail loudly.
    DesktopPlatform desktop;
    desktop.PlayWave(QStringLiteral(":/LETOP"));
    desktop.PlayWave(QStringLiteral(":/LETOP")); // again while the first may still play
    desktop.PlayWave(QStringLiteral(":/NOSUCHSOUND"));
    QElapsedTimer loop;
    loop.start();
    QTest::qWait(200);
    EXPECT_LT(loop.elapsed(), 10000) << "the event loop goes on while the sound plays (a hang guard)";
}

// Counts the opens of a named pipe by others, without ever leaving them blocked: a writer waits on the
// other end all the time.
class PipeOpenWatch {
public:
    explicit PipeOpenWatch(QByteArray path) : path_(std::move(path)), writer_([this] { Run(); }) {}

    int Stop()
    {
        stopping_ = true;
        const int fd = ::open(path_.constData(), O_RDONLY | O_NONBLOCK); // releases the waiting writer
        writer_.join();
        ::close(fd);
        return opens_;
    }

private:
    void Run()
    {
        for (;;) {
            const int fd = ::open(path_.constData(), O_WRONLY);
            if (stopping_) {
                ::close(fd);
                return;
            }
            ++opens_;
            ::close(fd);
        }
    }

    QByteArray path_;
    std::atomic<bool> stopping_{false};
    std::atomic<int> opens_{0};
    std::thread writer_;
};

class SaveDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // Answers every box the dialog raises: Yes to a question, OK to a message.
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            boxes << box->text();
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
        });
        answerer.start(10);
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    QString Write(const QString& name, QFileDevice::Permissions permissions)
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old\n");
        file.close();
        file.setPermissions(permissions);
        return file.fileName();
    }

    // The dialog's Save with `name` typed: whether it accepted, and the boxes it showed on the way.
    bool Accepts(const QString& name)
    {
        boxes.clear();
        SaveFileDialog dialog(nullptr, QStringLiteral("Save Data"));
        dialog.setDirectory(folder.path());
        dialog.selectFile(name);
        dialog.show();
        dialog.accept();
        const bool accepted = dialog.result() == QDialog::Accepted;
        EXPECT_EQ(dialog.isVisible(), !accepted) << "a refused name keeps the dialog open";
        return accepted;
    }

    QTemporaryDir folder;
    QTimer answerer;
    QStringList boxes;
};

TEST_F(SaveDialog, ChoiceProblemsBesidesTheDialogsOwnCases)
{
    EXPECT_TRUE(SaveChoiceProblem(folder.path()).isEmpty()) << "a folder is opened, not refused";
    const QString file = Write("old.txt", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(SaveChoiceProblem(file + QStringLiteral("/x.txt")).contains(QStringLiteral("folder does not exist")))
        << "a file is no folder";
}

TEST_F(SaveDialog, RefusesAMissingFolderAndAReadOnlyFileWithAMessageAndStaysOpen)
{
    EXPECT_FALSE(Accepts(Path("nosuch/data.txt"))) << "a folder that does not exist";
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("folder does not exist")));

    // 0444: read-only by its mode, also for a user (root) who could write it anyway.
    Write("locked.txt", QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_FALSE(Accepts(Path("locked.txt"))) << "a read-only file, even when the overwrite is confirmed";
    ASSERT_EQ(boxes.size(), 1) << "no overwrite question for a file that cannot be chosen";
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("read-only")));

    EXPECT_TRUE(Accepts(Path("new.txt"))) << "a new name in an existing folder";
    EXPECT_TRUE(boxes.isEmpty());
    Write("old.txt", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(Accepts(Path("old.txt"))) << "an existing writable file after the overwrite question";
    EXPECT_EQ(boxes.size(), 1) << "the overwrite question";
}

TEST_F(SaveDialog, TheChosenFilterGivesANameTypedWithoutExtensionItsExtension)
{
    EXPECT_EQ(FilterExtension(QStringLiteral("Spreadsheet (*.csv)")).toStdString(), "csv");
    EXPECT_EQ(FilterExtension(QStringLiteral("Text file (*.txt)")).toStdString(), "txt");
    EXPECT_EQ(FilterExtension(QStringLiteral("Pictures (*.png *.jpg)")).toStdString(), "") << "no single extension";
    EXPECT_EQ(FilterExtension(QStringLiteral("All files (*)")).toStdString(), "");

    auto choose = [&](int filterIndex, bool follows) {
        QTimer::singleShot(0, [&, filterIndex] {
            auto* dialog = qobject_cast<SaveFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "the data dialog is open";
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            // As the student picks the entry from the list.
            types->setCurrentIndex(filterIndex);
            emit types->activated(filterIndex);
            emit types->textActivated(types->currentText());
            dialog->selectFile(QStringLiteral("run"));
            dialog->accept();
        });
        FileDialogRequest request;
        request.Title = QStringLiteral("Save Data");
        request.Filters = {QStringLiteral("Text file (*.txt)"), QStringLiteral("Spreadsheet (*.csv)")};
        request.DefaultExtension = QStringLiteral("txt");
        request.ExtensionFollowsFilter = follows;
        request.ProposedName = Path("data");
        return QFileInfo(DesktopPlatform().AskSaveFileName(nullptr, request)).fileName().toStdString();
    };
    EXPECT_EQ(choose(1, true), "run.csv") << "the spreadsheet filter chosen";
    EXPECT_EQ(choose(0, true), "run.txt") << "the text filter chosen";
    EXPECT_EQ(choose(1, false), "run.txt") << "where the filter plays no part, the default extension holds";
}

TEST_F(SaveDialog, ListsAndPreviewsAFolderWithoutReadingItsFiles)
{
    const QString pipe = Path("pipe.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(Path("picture"), "PNG")) << "a picture without an extension";
    ASSERT_TRUE(picture.save(Path("real.png"), "PNG"));
    PipeOpenWatch watch(QFile::encodeName(pipe));

    {
        SaveFileDialog dialog(nullptr, QStringLiteral("Save graph as image file"));
        dialog.setDirectory(folder.path());
        dialog.show();
        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        auto typeOf = [&](const QString& path) {
            const QModelIndex index = model->index(path);
            return model->data(index.siblingAtColumn(2)).toString().toStdString();
        };
        QElapsedTimer bound;
        bound.start();
        while ((typeOf(Path("picture")).empty() || typeOf(pipe).empty()) && bound.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const std::string pngType =
            QMimeDatabase().mimeTypeForName(QStringLiteral("image/png")).comment().toStdString();
        EXPECT_NE(typeOf(Path("picture")), pngType) << "the type is judged by the name, not by the content";
        EXPECT_EQ(typeOf(Path("real.png")), pngType) << "a picture's name tells its type";
        EXPECT_EQ(typeOf(pipe), "Special file");
    }

    QString previewOfPipe;
    bool previewOfPicture = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the picture dialog is open";
        auto* preview = dialog->findChild<QLabel*>(QStringLiteral("PicturePreview"));
        ASSERT_NE(preview, nullptr);
        emit dialog->currentChanged(pipe);
        previewOfPipe = preview->text();
        emit dialog->currentChanged(Path("real.png"));
        previewOfPicture = !preview->pixmap().isNull();
        dialog->reject();
    });
    FileDialogRequest request;
    request.Title = QStringLiteral("Save graph as image file");
    request.Filters = {QStringLiteral("Enhanced Metafile (*.emf)")};
    request.ProposedName = Path("graph");
    request.PicturePreview = true;
    DesktopPlatform desktop;
    EXPECT_TRUE(desktop.AskSaveFileName(nullptr, request).isEmpty()) << "cancelled";
    EXPECT_EQ(previewOfPipe.toStdString(), "(None)") << "a named pipe is no picture to preview";
    EXPECT_TRUE(previewOfPicture) << "a picture is previewed";
    EXPECT_EQ(watch.Stop(), 0) << "the dialog never opened the named pipe";
}

} // namespace
} // namespace vartel::test
