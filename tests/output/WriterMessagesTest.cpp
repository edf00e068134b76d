// The writers' messages: English unless a translation is installed, values filled in once.
#include "output/WriterMessages.h"
#include "output/SafeFileWriter.h"
#include "output/Utf16Text.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <dirent.h>

namespace vartel {
namespace {

// The file names in `folder`, as the file system holds them.
std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    return names;
}

TEST(WriterMessages, FillsEachValueInOncePassingItsOwnMarksThrough)
{
    EXPECT_EQ(WriterMessage("FileError", "Cannot save \"%1\". %2", {"/tmp/100%2.png", "No space"}),
              "Cannot save \"/tmp/100%2.png\". No space")
        << "expected the %2 in the file name to stay";
    EXPECT_EQ(WriterMessage("SavedRun", "line %1 is not the row of year %2", {"7", "5"}),
              "line 7 is not the row of year 5");
    EXPECT_EQ(WriterMessage("FileError", "100% sure %3", {"x"}), "100% sure %3") << "expected unfilled marks kept";
}

TEST(WriterMessages, GoThroughTheInstalledTranslation)
{
    SetMessageTranslator([](const char* context, const char* english) {
        return std::strcmp(context, "FileError") == 0 && std::strcmp(english, "Cannot write file \"%1\": %2") == 0
                   ? std::string("Kan bestand \"%1\" niet schrijven: %2")
                   : std::string();
    });
    const std::string translated = WriteFileSafely("/no/such/folder/x.txt", "x");
    const std::string untranslated = WriterMessage("FileError", "There is no picture to save");
    SetMessageTranslator({});
    EXPECT_EQ(translated, "Kan bestand \"/no/such/folder/x.txt\" niet schrijven: No such file or directory");
    EXPECT_EQ(untranslated, "There is no picture to save") << "expected a text without translation kept English";
    EXPECT_EQ(WriteFileSafely("/no/such/folder/x.txt", "x"),
              "Cannot write file \"/no/such/folder/x.txt\": No such file or directory")
        << "expected English again without a translation";
}

TEST(SafeFileWriter, AMissingFolderGivesTheMessageAndLeavesNoFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.path().toStdString() + "/missing/run.txt";
    EXPECT_EQ(WriteFileSafely(path, "x"), "Cannot write file \"" + path + "\": No such file or directory");
    EXPECT_TRUE(Entries(dir.path().toStdString()).empty()) << "expected neither the file nor a folder made";
}

TEST(SafeFileWriter, NonAsciiFileNamesAreTheBytesGiven)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string name = "Bevölkerung – één 人口.txt";
    ASSERT_EQ(WriteFileSafely(dir.path().toStdString() + "/" + name, "data"), "");
    EXPECT_EQ(Entries(dir.path().toStdString()), std::vector<std::string>{name}) << "expected the UTF-8 name exactly";
}

TEST(Utf16Text, UnitsPairsAndLatin1AsQtCountsThem)
{
    EXPECT_EQ(Utf16Of("aé€😀"), (std::u16string{u'a', u'é', u'€', 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf8Of(Utf16Of("aé€😀")), "aé€😀");
    EXPECT_EQ(Utf16Of("a\xFF"
                      "b"),
              (std::u16string{u'a', 0xFFFD, u'b'}))
        << "expected a bad byte replaced";
    EXPECT_EQ(Utf16Of("\xE2\x82"), (std::u16string{0xFFFD, 0xFFFD})) << "expected a cut sequence replaced";
    EXPECT_EQ(Latin1Of(Utf16Of("aé€😀")), "a\xE9???") << "expected one byte per unit, '?' above U+00FF";
}

} // namespace
} // namespace vartel
