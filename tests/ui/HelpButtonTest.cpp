// The Help button shows the programme explanation beside the main window, which stays usable.
#include "WindowFixture.h"

#include "help/TForm2.h"

#include <QPushButton>

namespace vartel::test {
namespace {

using HelpButton = WindowTest;

TEST_F(HelpButton, ShowsTheHelpWindowWithoutBlockingAndAgainWhereItWasLeft)
{
    TForm2 help(platform);
    form->SetHelpWindow(&help);
    EXPECT_FALSE(help.isVisible()) << "the help window starts hidden";

    form->Controls().HelpButton->click();
    Pump();
    EXPECT_TRUE(help.isVisible()) << "Help shows the programme explanation";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "it does not block the main window";
    form->Controls().StartButton->click();
    EXPECT_TRUE(S().Running) << "the main window goes on working";
    form->Controls().StartButton->click();

    help.move(120, 60);
    const QPoint place = help.pos();
    help.close();
    EXPECT_FALSE(help.isVisible()) << "closing only hides it";
    EXPECT_TRUE(form->isVisible()) << "and leaves the main window open";
    form->Controls().HelpButton->click();
    Pump();
    EXPECT_TRUE(help.isVisible()) << "Help shows it again";
    EXPECT_EQ(help.pos(), place) << "where it was left";
    form->SetHelpWindow(nullptr);
}

} // namespace
} // namespace vartel::test
