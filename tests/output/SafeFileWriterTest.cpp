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

ino_t Inode(const QString& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(Local(path).c_str(), &info), 0);
    return info.st_ino;
}

TEST(SafeFileWriter, AFileWithOtherNamesOrAnotherOwnerIsWrittenInPlace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("run.txt");
    const QString other = dir.filePath("other-name.txt");
    ASSERT_EQ(WriteFileSafely(Local(path), "old, longer content"), "");
    ASSERT_EQ(::link(Local(path).c_str(), Local(other).c_str()), 0);
    const ino_t inode = Inode(path);
    EXPECT_EQ(WriteFileSafely(Local(path), "new"), "");
    EXPECT_EQ(Read(path), "new") << "the old content is cut to the new length";
    EXPECT_EQ(Read(other), "new") << "the other name sees the new content";
    EXPECT_EQ(Inode(path), inode) << "the same file, not a new one";

    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && nobody != nullptr) { // only root can give a file away
        const QString theirs = dir.filePath("theirs.txt");
        ASSERT_EQ(WriteFileSafely(Local(theirs), "old"), "");
        ASSERT_EQ(::chown(Local(theirs).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        EXPECT_EQ(WriteFileSafely(Local(theirs), "new"), "");
        struct stat info {};
        ASSERT_EQ(::stat(Local(theirs).c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, nobody->pw_uid) << "the file keeps its owner";
        EXPECT_EQ(Read(theirs), "new");
    }
}

// Runs `check` as an ordinary user: directly when the tests are one, else in a child that gives up root
// for "nobody". Returns false (and says why) when neither is possible.
bool AsOrdinaryUser(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) {
        ADD_FAILURE() << "no user nobody to run as";
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SafeFileWriter, AFolderThatTakesNoNewFileStillLetsItsWritableFileBeSaved)
{
    // Root's child must reach the folder as nobody: below /tmp, whatever TMPDIR says.
    QTemporaryDir dir(::geteuid() == 0 ? QStringLiteral("/tmp/vartel-safe-XXXXXX") : QString());
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("shared");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString mine = folder + "/mine.txt";
    const QString locked = folder + "/locked.txt";
    ASSERT_EQ(WriteFileSafely(Local(mine), "old"), "");
    ASSERT_EQ(WriteFileSafely(Local(locked), "keep"), "");
    ASSERT_EQ(::chmod(Local(locked).c_str(), 0444), 0);
    if (::geteuid() == 0) { // the folder stays root's, the file becomes the ordinary user's
        const passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        ASSERT_EQ(::chown(Local(mine).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        ASSERT_EQ(::chmod(Local(dir.path()).c_str(), 0755), 0);
        ASSERT_EQ(::chmod(Local(folder).c_str(), 0755), 0);
    } else {
        ASSERT_EQ(::chmod(Local(folder).c_str(), 0555), 0);
    }
    const std::string minePath = Local(mine), lockedPath = Local(locked), newPath = Local(folder + "/new.txt");
    EXPECT_TRUE(AsOrdinaryUser([&] {
        return WriteFileSafely(minePath, "new, longer content") == "" &&
               WriteFileSafely(lockedPath, "lost") != "" && WriteFileSafely(newPath, "x") != "";
    })) << "expected the writable file saved, the read-only one and a new one refused";
    ::chmod(Local(folder).c_str(), 0755);
    EXPECT_EQ(Read(mine), "new, longer content") << "written in place";
    EXPECT_EQ(Read(locked), "keep") << "a save that cannot start leaves the file as it was";
    EXPECT_FALSE(QFile::exists(folder + "/new.txt"));
}

} // namespace
} // namespace vartel
