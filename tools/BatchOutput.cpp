#include "tools/BatchOutput.h"

#include "output/AnimationWriter.h"
#include "output/DataFileSaver.h"
#include "output/FileExtension.h"
#include "output/PictureSaver.h"
#include "output/ViewSources.h"
#include "tools/ShortDate.h"

namespace vartel {

namespace {

PictureFormat FormatOf(const std::string& fileName)
{
    return FormatForExtension(UpperExtension(fileName));
}

} // namespace

std::string CheckPictureNames(const BatchArguments& a)
{
    for (const std::string* name : {&a.GraphFile, &a.PyramidFile})
        if (!name->empty() && FormatOf(*name) == PictureFormat::Unknown)
            return *name + ": " + UnsupportedExtensionMessage();
    return {};
}

bool WantsPictures(const BatchArguments& a)
{
    return !a.GraphFile.empty() || !a.PyramidFile.empty() || !a.AnimationFile.empty();
}

std::vector<std::string> WriteBatchOutput(const SimulationState& s, const BatchArguments& a, BatchScreen* screen)
{
    std::vector<std::string> errors;
    const auto keep = [&errors](const std::string& error) {
        if (!error.empty())
            errors.push_back(error);
    };
    if (!a.DataFile.empty())
        keep(SaveDataFile(s, a.DataFile, ShortDate(Today(), DateLocaleOfEnvironment())));
    if (WantsPictures(a) && screen == nullptr) {
        errors.push_back("No screen to take the pictures from");
        return errors;
    }
    if (!a.GraphFile.empty()) {
        keep(SavePicture(FormatOf(a.GraphFile), a.GraphFile,
                         GraphViewSource(&screen->Graph(), s, screen->LinearScale(), screen->Kept())));
    }
    if (!a.PyramidFile.empty())
        keep(SavePicture(FormatOf(a.PyramidFile), a.PyramidFile, PyramidViewSource(&screen->Pyramid(), s, s.Year)));
    if (!a.AnimationFile.empty())
        keep(SaveAnimation(a.AnimationFile, s, screen->LinearScale(), screen->Kept(), a.AnimationYears));
    return errors;
}

} // namespace vartel
