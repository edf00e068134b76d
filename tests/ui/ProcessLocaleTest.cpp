// The process formats and parses with "." whatever the regional settings. CTest runs this case a second
// time under a German locale (decimal comma).
#include "WindowFixture.h"

#include "ui/NumEdit.h"

#include <QLocale>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace vartel::test {
namespace {

using ProcessLocale = WindowTest;

TEST_F(ProcessLocale, PointIsTheSeparatorAfterStartUp)
{
    if (qEnvironmentVariableIsSet("VARTEL_EXPECT_COMMA_LOCALE")) {
        // The QApplication took the regional settings; the window must have replaced them.
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
            GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (locale-gen de_DE.UTF-8)";
        std::setlocale(LC_NUMERIC, "C");
        form.reset();
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        char check[16];
        std::snprintf(check, sizeof check, "%.2f", 0.25);
        ASSERT_STREQ(check, "0,25") << "the test's own locale has a decimal comma";
        form = std::make_unique<TForm1>(platform, hints);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", 0.25);
    EXPECT_STREQ(text, "0.25") << "C library formatting uses the point";
    EXPECT_DOUBLE_EQ(std::strtod("0.25", nullptr), 0.25) << "C library parsing uses the point";
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(".")) << "Qt's default locale uses the point";
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1234.5")) << "no group separators";

    Enter(form->Controls().BDmeter, QStringLiteral("0.25"));
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.0025) << "0.25 % parsed with the point";
    EXPECT_EQ(form->Controls().BDmeter->text(), QStringLiteral("0.25"));
    EXPECT_TRUE(platform.messages.empty());
    form->Controls().BImeter->clear();
    QTest::keyClicks(form->Controls().BImeter, QStringLiteral("1,5"));
    EXPECT_EQ(form->Controls().BImeter->text(), QStringLiteral("1.5")) << "a typed comma is the decimal point";
}

} // namespace
} // namespace vartel::test
