#include "output/SafeFileWriter.h"

#include "output/WriterMessages.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vartel {

namespace {

std::string Failure(const std::string& path, int error)
{
    return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "Cannot write file \"%1\": %2"),
                         {path, std::strerror(error)});
}

// Writes everything or returns the errno of the first failure.
int WriteAll(int fd, const std::string& bytes)
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

std::string WriteDirectly(const std::string& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return Failure(path, errno);
    int error = WriteAll(fd, bytes);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error == 0 ? std::string() : Failure(path, error);
}

// Overwrites a regular file from its start and cuts it to the new length, keeping its inode, owner, mode
// and hard links. Nothing is changed when it cannot be opened.
std::string WriteInPlace(const std::string& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return Failure(path, errno);
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error == 0 ? std::string() : Failure(path, error);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Without it the temporary file would keep mkstemp's 0600 instead of the mode a new file gets.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string WriteFileSafely(const std::string& requestedPath, const std::string& bytes)
{
    if (requestedPath.empty())
        return Failure(requestedPath, ENOENT);
    std::string path = requestedPath;
    mode_t mode = NewFileMode();
    struct stat info {};
    const bool exists = ::stat(requestedPath.c_str(), &info) == 0;
    if (exists) {
        if (!S_ISREG(info.st_mode))
            return WriteDirectly(requestedPath, bytes);
        if (::access(requestedPath.c_str(), W_OK) != 0)
            return Failure(requestedPath, errno);
        // A new file in its place would cut the other names of the file off it and take it from its owner.
        if (info.st_nlink > 1 || info.st_uid != ::geteuid())
            return WriteInPlace(requestedPath, bytes);
        // Replace the file a link points to, not the link.
        if (char* resolved = ::realpath(requestedPath.c_str(), nullptr)) {
            path = resolved;
            std::free(resolved);
        }
        mode = info.st_mode & 07777;
    }

    const std::string folder = FolderOf(path);
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        const int error = errno;
        // A folder that takes no new file can still hold a file that may be written.
        if (exists)
            return WriteInPlace(requestedPath, bytes);
        struct stat folderInfo {};
        return Failure(requestedPath, ::stat(folder.c_str(), &folderInfo) != 0 ? ENOENT : error);
    }
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fchmod(fd, mode) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failure(requestedPath, error);
    }
    return {};
}

} // namespace vartel
