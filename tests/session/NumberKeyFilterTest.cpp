// The key rules of the number fields, without a widget: every typed character against each kind of field.
#include "session/NumberKeyFilter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vartel::test {
namespace {

struct TypedCase {
    NumberField Field;
    char32_t Typed;
    const char* Text; // the field's text before the key
    char Separator;
    std::optional<char32_t> Result; // nothing: refused with a beep
    const char* Why;
};

const TypedCase TypedCases[] = {
    {NumberField::Decimal, U'7', "", '.', U'7', "a digit"},
    {NumberField::Decimal, U'0', "12", '.', U'0', "a digit after others"},
    {NumberField::Decimal, U'-', "", '.', U'-', "a minus sign"},
    {NumberField::Decimal, U'+', "3", '.', U'+', "a plus sign, anywhere: the commit judges the number"},
    {NumberField::Decimal, U'.', "0", '.', U'.', "the decimal point"},
    {NumberField::Decimal, U',', "0", '.', U'.', "a decimal comma becomes the point"},
    {NumberField::Decimal, U',', "", '.', U'.', "a comma in an empty field too"},
    {NumberField::Decimal, U',', "2.5", '.', std::nullopt, "no comma after a point"},
    {NumberField::Decimal, U'.', "2.5", '.', std::nullopt, "no second point"},
    {NumberField::Decimal, U',', "0", ',', U',', "where the separator is the comma it stays one"},
    {NumberField::Decimal, U'.', "0", ',', std::nullopt, "where the separator is the comma a point is refused"},
    {NumberField::Decimal, U'e', "1", '.', std::nullopt, "no letters, not even an exponent"},
    {NumberField::Decimal, U' ', "1", '.', std::nullopt, "no space"},
    {NumberField::Decimal, U'\u00b7', "1", '.', std::nullopt, "no middle dot"},
    {NumberField::Decimal, U'\u0665', "1", '.', std::nullopt, "no digits of another script"},
    {NumberField::Decimal, U'\uff0c', "1", '.', std::nullopt, "no full-width comma"},
    {NumberField::Whole, U'5', "12", '.', U'5', "a digit"},
    {NumberField::Whole, U',', "12", '.', std::nullopt, "no decimal comma in a whole number"},
    {NumberField::Whole, U'.', "12", '.', std::nullopt, "no decimal point in a whole number"},
    {NumberField::Whole, U'-', "", '.', std::nullopt, "no sign in a whole number"},
    {NumberField::Whole, U'a', "", '.', std::nullopt, "no letters"},
};

TEST(NumberKeyFilter, EachTypedCharacterInEachField)
{
    for (const TypedCase& c : TypedCases) {
        const std::optional<char32_t> result = TypedIntoNumberField(c.Field, c.Typed, c.Text, c.Separator);
        EXPECT_EQ(result, c.Result) << c.Why << ": U+" << std::hex << static_cast<unsigned>(c.Typed) << " into '"
                                    << c.Text << "'";
    }
}

TEST(NumberKeyFilter, APastedCommaIsTheDecimalSeparator)
{
    EXPECT_EQ(WithDecimalSeparator("0,5", '.'), "0.5");
    EXPECT_EQ(WithDecimalSeparator("-2,25", '.'), "-2.25");
    EXPECT_EQ(WithDecimalSeparator("1,2,3", '.'), "1.2.3") << "two commas stay two separators: no number";
    EXPECT_EQ(WithDecimalSeparator("2.5", '.'), "2.5") << "a text without comma stays as it is";
    EXPECT_EQ(WithDecimalSeparator("0,5", ','), "0,5");
}

} // namespace
} // namespace vartel::test
