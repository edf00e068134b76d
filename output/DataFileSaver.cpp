#include "output/DataFileSaver.h"

#include "output/DataFile.h"
#include "output/SafeFileWriter.h"
#include "output/XlsxDataFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace vartel {

namespace {

// A folder of its own in the temporary folder, removed with everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::error_code error;
        std::string pattern = (std::filesystem::temp_directory_path(error) / "vartel-XXXXXX").string();
        if (!error && mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
        else
            reason_ = std::strerror(errno);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }

private:
    std::filesystem::path path_;
    std::string reason_;
};

// The library writes the workbook only to a file of its own: it is made in a temporary folder and its bytes
// then saved as every other file is.
std::string SaveWorkbook(const SimulationState& s, const std::string& fileName)
{
    const TemporaryFolder folder;
    if (folder.Path().empty())
        return fileName + ": no temporary folder for the workbook: " + folder.Reason();
    const std::string made = (folder.Path() / "data.xlsx").string();
    if (const std::string error = WriteDataWorkbook(s, made); !error.empty())
        return fileName + ": " + error;
    std::ifstream in(made, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad())
        return fileName + ": the workbook could not be read back";
    return WriteFileSafely(fileName, bytes);
}

} // namespace

std::string SaveDataFile(const SimulationState& s, const std::string& fileName, const std::string& today)
{
    if (IsWorkbookName(fileName))
        return SaveWorkbook(s, fileName);
    return WriteFileSafely(fileName, DataFileFor(s, fileName, today));
}

} // namespace vartel
