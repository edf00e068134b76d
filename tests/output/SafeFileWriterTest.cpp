// Safe writing: a failed save never truncates an existing file; devices are written in place.
#include "output/SafeFileWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

// Runs `check` as an ordinary user: directly when the tests run as one, else in a child that gives up root
// for nobody.
bool AsOrdinaryUser(const passwd& nobody, const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::setgid(nobody.pw_gid) == 0 && ::setuid(nobody.pw_uid) == 0 && check() ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Other hard links, another owner, a folder that takes no temporary file: the file is written in place.
TEST(SafeFileWriter, WritesInPlaceWhereAReplacementWouldFailOrChangeTheFile)
{
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    // Root's child must reach the folder as nobody: below /tmp, whatever TMPDIR says.
    QTemporaryDir dir(::geteuid() == 0 ? QStringLiteral("/tmp/vartel-safe-XXXXXX") : QString());
    ASSERT_TRUE(dir.isValid());
    const QString mine = dir.filePath("mine.txt"), other = dir.filePath("other.txt"), locked = dir.filePath("locked");
    ASSERT_EQ(WriteFileSafely(Local(mine), "old, longer content"), "");
    ASSERT_EQ(::link(Local(mine).c_str(), Local(other).c_str()), 0);
    EXPECT_EQ(WriteFileSafely(Local(mine), "new"), "");
    EXPECT_EQ(Read(other), "new") << "the other name of the file sees the new content, cut to its length";
    ASSERT_EQ(::unlink(Local(other).c_str()), 0);

    ASSERT_EQ(WriteFileSafely(Local(locked), "keep"), "");
    ASSERT_EQ(::chmod(Local(locked).c_str(), 0444), 0);
    if (::geteuid() == 0) { // the folder stays root's and takes no new file from nobody, the file is nobody's
        ASSERT_EQ(::chown(Local(mine).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        EXPECT_EQ(WriteFileSafely(Local(mine), "root's"), "");
        struct stat info {};
        EXPECT_TRUE(::stat(Local(mine).c_str(), &info) == 0 && info.st_uid == nobody->pw_uid) << "keeps its owner";
        ASSERT_EQ(::chmod(Local(dir.path()).c_str(), 0755), 0);
    } else {
        ASSERT_EQ(::chmod(Local(dir.path()).c_str(), 0555), 0);
    }
    const std::string minePath = Local(mine), lockedPath = Local(locked), newPath = Local(dir.filePath("new"));
    EXPECT_TRUE(AsOrdinaryUser(*nobody, [&] {
        return WriteFileSafely(minePath, "saved") == "" && WriteFileSafely(lockedPath, "lost") != "" &&
               WriteFileSafely(newPath, "x") != "";
    })) << "expected the writable file saved, the read-only one and a new one refused";
    ::chmod(Local(dir.path()).c_str(), 0755);
    EXPECT_EQ(Read(mine), "saved");
    EXPECT_EQ(Read(locked), "keep") << "a save that cannot start leaves the file as it was";
}

} // namespace
} // namespace vartel
