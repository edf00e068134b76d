#include "output/WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vartel {

WholeFileReading ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    bytes.clear();
    // Non-blocking, so that a pipe put in the file's place between the check and the reading never
    // blocks the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {WholeFileProblem::CannotRead, errno};
    WholeFileReading reading;
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        reading = {WholeFileProblem::CannotRead, errno};
    else if (!S_ISREG(info.st_mode))
        reading.Problem = WholeFileProblem::NotAFile;
    else if (static_cast<std::size_t>(info.st_size) > maxBytes)
        reading.Problem = WholeFileProblem::TooLarge;
    char buffer[65536];
    while (reading.Problem == WholeFileProblem::None) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            reading = {WholeFileProblem::CannotRead, errno};
        else if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            reading.Problem = WholeFileProblem::TooLarge;
        else
            bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return reading;
}

} // namespace vartel
