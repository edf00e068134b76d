// The general error report and the platform switch.
#include "RecordingPlatform.h"
#include "ui/DesktopPlatform.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace vartel::test {
namespace {

class ErrorReport : public ::testing::Test {
protected:
    void SetUp() override { InstallPlatform(&platform); }
    void TearDown() override { InstallPlatform(nullptr); }

    QString Reported(const QString& text)
    {
        platform.messages.clear();
        ReportError(nullptr, text);
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

TEST(PlatformSwitch, InstallAndRestore)
{
    RecordingPlatform fake;
    InstallPlatform(&fake);
    EXPECT_EQ(&CurrentPlatform(), &fake);
    InstallPlatform(nullptr);
    EXPECT_NE(&CurrentPlatform(), &fake) << "nullptr restores the desktop platform";
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

} // namespace
} // namespace vartel::test
