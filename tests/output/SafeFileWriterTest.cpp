// Safe writing: a failed save never truncates an existing file; devices are written in place.
#include "output/SafeFileWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace vartel {
namespace {

std::string Read(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll().toStdString();
}

std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

TEST(SafeFileWriter, CreatesAndReplacesWholeFilesWithoutLeftovers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("run.txt");
    EXPECT_EQ(WriteFileSafely(Local(path), "first, longer content\r\n"), "");
    EXPECT_EQ(Read(path), "first, longer content\r\n");
    EXPECT_EQ(WriteFileSafely(Local(path), "second\r\n"), "");
    EXPECT_EQ(Read(path), "second\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"run.txt"}) << "no temporary file left";

    struct stat info {};
    ASSERT_EQ(::stat(Local(path).c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << "a new file gets the usual mode, not a temporary's 0600";
}

TEST(SafeFileWriter, ReplacesTheFileALinkPointsTo)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("target.txt");
    const QString link = dir.filePath("link.txt");
    ASSERT_EQ(WriteFileSafely(Local(target), "old"), "");
    ASSERT_EQ(::symlink(Local(target).c_str(), Local(link).c_str()), 0);
    EXPECT_EQ(WriteFileSafely(Local(link), "new"), "");
    EXPECT_EQ(Read(target), "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

TEST(SafeFileWriter, FailuresNameTheFileAndTheReasonAndKeepTheOldFile)
{
    QTemporaryDir dir;
    const std::string missingFolder = Local(dir.filePath("no/such/folder/run.txt"));
    const std::string error = WriteFileSafely(missingFolder, "x");
    EXPECT_NE(error.find(missingFolder), std::string::npos) << error;
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;

    const std::string full = WriteFileSafely("/dev/full", std::string(100000, 'x'));
    EXPECT_NE(full.find("No space left on device"), std::string::npos) << full;

    EXPECT_NE(WriteFileSafely("", "x"), "");

    if (::geteuid() != 0) { // root may write anywhere
        const QString readOnly = dir.filePath("locked.txt");
        ASSERT_EQ(WriteFileSafely(Local(readOnly), "keep"), "");
        ASSERT_EQ(::chmod(Local(readOnly).c_str(), 0444), 0);
        EXPECT_NE(WriteFileSafely(Local(readOnly), "lost"), "");
        EXPECT_EQ(Read(readOnly), "keep");
    }
}

} // namespace
} // namespace vartel
