#include "web/PageSession.h"

#include "output/BmpEncoder.h"
#include "output/DataFile.h"
#include "tools/BatchArguments.h"
#include "web/PageBrowseKey.h"

namespace vartel {

namespace {

// The parameter fields and how each commits; the others are read only.
std::optional<ParameterField> ParameterOf(Field field)
{
    switch (field) {
    case Field::Popmeter:
        return ParameterField::Population;
    case Field::SPmeter:
        return ParameterField::StableLevel;
    case Field::BImeter:
        return ParameterField::BirthIndex;
    case Field::BDmeter:
        return ParameterField::BabyMortality;
    case Field::ADmeter:
        return ParameterField::AdultMortality;
    case Field::IMmeter:
        return ParameterField::Immigration;
    default:
        return std::nullopt;
    }
}

// The page writes numbers as the batch tool reads them, with a decimal point.
constexpr char PageDecimalSeparator = '.';

std::string Bmp(const RasterImage& image)
{
    std::string bytes;
    if (!EncodeBmp(image, bytes).empty())
        return {};
    return bytes;
}

} // namespace

// The seed of a batch run, so that a run in the page and the same run of vartel-batch are one run.
PageSession::PageSession(double deviceRatio, Session::Clock clock)
    : random_(static_cast<std::uint64_t>(BatchSeed)),
      session_(std::make_unique<Session>(listener_, random_, std::move(clock)))
{
    listener_.ShowOn(session_->state(), deviceRatio);
}

std::string PageSession::Commit(Field field, const std::string& text)
{
    const std::optional<ParameterField> parameter = ParameterOf(field);
    if (!parameter)
        return {};
    return session_->Commit(*parameter, text).Error;
}

std::optional<char32_t> PageSession::TypedKey(Field field, char32_t typed, const std::string& text) const
{
    const std::optional<ParameterField> parameter = ParameterOf(field);
    if (!parameter)
        return std::nullopt;
    const bool whole = *parameter == ParameterField::Population || *parameter == ParameterField::StableLevel;
    return TypedIntoNumberField(whole ? NumberField::Whole : NumberField::Decimal, typed, text, PageDecimalSeparator);
}

bool PageSession::BrowseKeyDown(const std::string& key, bool shift, bool otherModifiers)
{
    const std::optional<BrowseKey> browseKey = PageBrowseKeyOf(key, shift, otherModifiers);
    return browseKey && session_->browsing().Key(*browseKey);
}

std::string PageSession::DataFile(const std::string& date) const
{
    return DataFileText(session_->state(), date);
}

std::string PageSession::GraphBmp()
{
    return Bmp(listener_.Saved().Graph());
}

std::string PageSession::PyramidBmp()
{
    return Bmp(listener_.Saved().Pyramid());
}

} // namespace vartel
