// Both windows under --lang nl: Dutch captions, no English left, every caption whole in its control, the
// board and the message boxes in Dutch, and the data file the same as in English.
#include "WindowFixture.h"

#include "help/TForm2.h"
#include "platform/Language.h"
#include "session/Browsing.h"
#include "ui/Translation.h"
#include "ui/WindowHost.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <set>
#include <vector>

namespace vartel::test {
namespace {

// Texts that Dutch writes as English does: names, abbreviations, and the Dutch hints of the English window.
const std::set<QString> SameInBothLanguages{
    QStringLiteral("Start"),
    QStringLiteral("Parameters"),
    QStringLiteral("Zoom IN"),
    QStringLiteral("OK"),
    QStringLiteral("Bepaal de snelheid waarmee de simulatie wordt uitgevoerd"),
    QStringLiteral("Aantal mensen dat op dit moment leeft"),
    QStringLiteral("Gemiddeld aantal kinderen dat per vrouw geboren wordt"),
    QStringLiteral("Percentage kinderen dat al in het eerste levensjaar overlijdt"),
    QStringLiteral("Percentage mensen met een leeftijd tussen 15 en 65 jaar dat in een jaar tijd overlijdt"),
    QStringLiteral("Met de knoppen in dit vak kun je eenmalige gebeurtenis oproepen die gedurende een aantal jaren "
                   "doorwerkt"),
};

// Every text a widget shows or says, keyed by the widget's path of object names and the kind of text.
std::map<QString, QString> ShownTexts(QWidget& window)
{
    std::map<QString, QString> texts;
    const auto add = [&texts](const QString& key, const QString& text) {
        if (!text.trimmed().isEmpty())
            texts[key] = text;
    };
    add(window.objectName() + QStringLiteral(":title"), window.windowTitle());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString path = widget->objectName();
        for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget())
            path = up->objectName() + u'/' + path;
        add(path + QStringLiteral(":hint"), widget->toolTip());
        add(path + QStringLiteral(":name"), widget->accessibleName());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(path + QStringLiteral(":caption"), button->text());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(path + QStringLiteral(":caption"), label->text());
        if (auto* paper = qobject_cast<QPlainTextEdit*>(widget))
            add(path + QStringLiteral(":text"), paper->toPlainText());
    }
    return texts;
}

std::map<QString, QString> TextsOfBothWindows(Platform& platform, HintSwitch& hints)
{
    TForm1 main(platform, hints);
    TForm2 help(platform);
    std::map<QString, QString> texts = ShownTexts(main);
    texts.merge(ShownTexts(help));
    return texts;
}

// The room a caption needs: its widest line, and for check boxes and radio buttons the indicator before it.
int NeededWidth(const QWidget& control, const QString& caption)
{
    int width = 0;
    for (const QString& line : caption.split(u'\n'))
        width = std::max(width, control.fontMetrics().horizontalAdvance(line));
    const bool check = qobject_cast<const QCheckBox*>(&control) != nullptr;
    if (check || qobject_cast<const QRadioButton*>(&control) != nullptr) {
        const QStyle& style = *control.style();
        width += style.pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr,
                                   &control) +
                 style.pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing,
                                   nullptr, &control);
    } else if (qobject_cast<const QPushButton*>(&control) != nullptr) {
        width += 4; // the bevel on either side
    }
    return width;
}

struct LanguageCase {
    QStringList uiLanguages;
    Language expected;
};

TEST(LanguageChoice, TheFirstPreferredLanguageSpokenCounts)
{
    const LanguageCase cases[] = {
        {{QStringLiteral("nl-NL"), QStringLiteral("nl")}, Language::Dutch},
        {{QStringLiteral("nl_BE")}, Language::Dutch},
        {{QStringLiteral("NL")}, Language::Dutch},
        {{QStringLiteral("de-DE"), QStringLiteral("nl-NL")}, Language::Dutch},
        {{QStringLiteral("en-GB"), QStringLiteral("nl-NL")}, Language::English},
        {{QStringLiteral("de-DE"), QStringLiteral("fr-FR")}, Language::English},
        {{QStringLiteral("nld")}, Language::English},
        {{QStringLiteral("C")}, Language::English},
        {{}, Language::English},
    };
    for (const LanguageCase& c : cases)
        EXPECT_EQ(LanguageOf(c.uiLanguages), c.expected) << c.uiLanguages.join(u',').toStdString();
}

struct OptionCase {
    std::vector<const char*> arguments;
    std::optional<Language> language;
    bool error;
};

TEST(LanguageChoice, LangOptionOverridesAndRefusesUnknownCodes)
{
    const OptionCase cases[] = {
        {{"vartel"}, std::nullopt, false},
        {{"vartel", "--lang", "nl"}, Language::Dutch, false},
        {{"vartel", "--lang=en"}, Language::English, false},
        {{"vartel", "--lang", "nl", "--lang", "en"}, Language::English, false},
        {{"vartel", "-platform", "offscreen", "--lang=nl"}, Language::Dutch, false},
        {{"vartel", "--lang"}, std::nullopt, true},
        {{"vartel", "--lang", "de"}, std::nullopt, true},
        {{"vartel", "--lang=NL"}, std::nullopt, true},
        {{"vartel", "--lang="}, std::nullopt, true},
    };
    for (const OptionCase& c : cases) {
        const LanguageOption option = ReadLanguageOption(int(c.arguments.size()), c.arguments.data());
        const std::string line = QStringList(c.arguments.begin(), c.arguments.end()).join(u' ').toStdString();
        EXPECT_EQ(!option.Error.isEmpty(), c.error) << line;
        if (!c.error) {
            EXPECT_EQ(option.Language, c.language) << line;
        }
    }
}

// Run by CTest under LANG, LANGUAGE or LC_ALL set to a language, with the language expected.
TEST(LanguageChoice, TheDesktopLanguageFollowsTheEnvironment)
{
    const QByteArray expected = qgetenv("VARTEL_EXPECT_LANGUAGE");
    if (expected.isEmpty())
        GTEST_SKIP() << "runs under a chosen environment only";
    EXPECT_EQ(DesktopLanguage(), expected == "nl" ? Language::Dutch : Language::English)
        << QLocale::system().uiLanguages().join(u',').toStdString();
}

class DutchWindow : public WindowTest {
protected:
    void SetUp() override
    {
        UseLanguage(Language::Dutch);
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        UseLanguage(Language::English);
    }
};

struct Caption {
    const char* control;
    const char* dutch;
};

TEST_F(DutchWindow, ControlsCarryTheirDutchCaptions)
{
    static constexpr Caption captions[] = {
        {"Newbutton", "Nieuw"},
        {"HelpButton", "Uitleg"},
        {"CheckBox1", "Stap voor stap"},
        {"Label8", "Scenario's"},
        {"RadioButton4", "Demping naar stabiliteit"},
        {"Label18", "Stabiel bevolkingsniveau"},
        {"OneButton", "Eenkindbeleid"},
        {"Label13", "Bevolkingsgroei per jaar"},
        {"lifebutton", "Overleving"},
        {"Button2", "Sla data op"},
    };
    for (const Caption& expected : captions) {
        QWidget* control = form->findChild<QWidget*>(QString::fromLatin1(expected.control));
        ASSERT_NE(control, nullptr) << expected.control;
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const QString shown = button != nullptr ? button->text() : qobject_cast<QLabel*>(control)->text();
        EXPECT_EQ(shown, QString::fromUtf8(expected.dutch)) << expected.control;
    }
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vartel      -      Bevolkingssimulatie"));
    EXPECT_EQ(form->Controls().Paper->toPlainText(), QStringLiteral(" geen mededelingen ..."));
    EXPECT_EQ(form->Controls().StartButton->toolTip(), QStringLiteral("Start de simulatie"));
    TForm2 help(platform);
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Vartel  -  Uitleg bij het programma"));
    EXPECT_EQ(help.findChild<QPushButton*>(QStringLiteral("Button1"))->text(), QStringLiteral("Kopieer naar klembord"));
}

TEST_F(DutchWindow, NoEnglishTextIsLeftInEitherWindow)
{
    UseLanguage(Language::English);
    const std::map<QString, QString> english = TextsOfBothWindows(platform, hints);
    UseLanguage(Language::Dutch);
    const std::map<QString, QString> dutch = TextsOfBothWindows(platform, hints);
    ASSERT_GT(english.size(), 150u) << "the walk reaches the controls";
    for (const auto& [key, text] : english) {
        if (key.contains(QLatin1String("meter")) || key.contains(QLatin1String("clock")) ||
            key.contains(QLatin1String("Aftelklok")))
            continue; // numbers and the names of the fields that read them, which follow their labels
        const auto found = dutch.find(key);
        ASSERT_NE(found, dutch.end()) << "the Dutch window lacks " << key.toStdString();
        if (SameInBothLanguages.count(text) == 0) {
            EXPECT_NE(found->second, text) << key.toStdString() << " is still English";
        }
    }
}

// The caption of a button or label; empty for every other widget.
QString CaptionOf(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    return {};
}

// Every caption of `window` whole in its control and the control inside its group; a label, which widens
// to a longer caption, clear of the other captioned controls and fields beside it.
void ExpectCaptionsFit(QWidget& window, const char* language)
{
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString caption = CaptionOf(*control);
        if (caption.isEmpty())
            continue;
        const std::string what =
            std::string(language) + " " + control->objectName().toStdString() + " \"" + caption.toStdString() + '"';
        EXPECT_LE(NeededWidth(*control, caption), control->width()) << what << " is clipped";
        EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry())) << what << " leaves its group";
        for (QWidget* other : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool text = !CaptionOf(*other).isEmpty() || qobject_cast<QLineEdit*>(other) != nullptr;
            if (qobject_cast<QLabel*>(control) != nullptr && other != control && text && other->isVisibleTo(&window)) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << what << " overlaps " << other->objectName().toStdString();
            }
        }
    }
}

TEST(CaptionsFit, InBothLanguagesAndBothWindows)
{
    RecordingPlatform platform;
    HintSwitch hints;
    for (const Language language : {Language::English, Language::Dutch}) {
        UseLanguage(language);
        const char* name = language == Language::Dutch ? "nl" : "en";
        TForm1 main(platform, hints);
        ExpectCaptionsFit(main, name);
        TForm2 help(platform);
        help.show();
        QCoreApplication::processEvents();
        ExpectCaptionsFit(help, name);
    }
    UseLanguage(Language::English);
}

TEST(CaptionsFit, TheInstructionLineHoldsBothInstructionsInBothLanguages)
{
    RecordingPlatform platform;
    HintSwitch hints;
    for (const Language language : {Language::English, Language::Dutch}) {
        UseLanguage(language);
        TForm1 main(platform, hints);
        for (const char* instruction : {InvestigateMessage, FrozenMessage}) {
            const QString text = Translated("Instruction", instruction);
            EXPECT_LE(main.Controls().Memo1->fontMetrics().horizontalAdvance(text), main.Controls().Memo1->width())
                << text.toStdString();
        }
    }
    UseLanguage(Language::English);
}

struct BoardMessage {
    const char* english;
    int fontSize;
};

// Every message of the board in the size the model posts it with, whole on the board in either language.
TEST_F(WindowTest, EveryBoardMessageFitsTheBoardInBothLanguages)
{
    std::vector<BoardMessage> messages{
        {" Overpopulation - disaster inevitable", 18},
        {" Not enough people - disaster strikes", 18},
        {" Large population... danger", 16},
        {" Small population... danger", 16},
        {" Population extinct", 16},
        {" An epidemic roams through the island", 16},
        {"Heavy penalty for families with more than 1 child!", 15},
        {" Many immigrants invade the island", 16},
        {" Increase of ageing population", 16},
        {" no announcements ...", 8},
        {"No messages ...", 11},
    };
    for (const StageRecord& stage : S().Stages)
        messages.push_back({stage.Text.c_str(), 10});
    WindowHost host(*form, platform);
    for (const Language language : {Language::English, Language::Dutch}) {
        UseLanguage(language);
        for (const BoardMessage& message : messages) {
            host.BulletinChanged({message.english, 0, 0, message.fontSize});
            Pump();
            const std::string shown =
                form->Controls().Paper->toPlainText().replace(u'\n', QStringLiteral("\r\n")).toStdString();
            EXPECT_EQ(shown == message.english, language == Language::English) << shown;
            EXPECT_EQ(form->Controls().Paper->verticalScrollBar()->maximum(), 0)
                << (language == Language::Dutch ? "nl: " : "en: ")
                << form->Controls().Paper->toPlainText().toStdString();
        }
    }
    UseLanguage(Language::English);
}

TEST_F(DutchWindow, StartButtonAndBoardSpeakDutch)
{
    form->Controls().CheckBox1->click();
    Pump();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Stap"));
    form->Controls().CheckBox1->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Start")) << "year 0: the caption is Start again";
    form->Controls().RadioButtons[6]->click(); // the reset posts the stone-age text
    EXPECT_EQ(form->Controls().Paper->toPlainText(),
              QStringLiteral("Dit is de steentijd. Een primitieve bevolking leeft van verzamelen en jagen."));
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Pauze"));
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 5; }));
    form->Controls().StartButton->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Verder"));
    EXPECT_FALSE(S().Running) << "the Dutch caption is recognised as the pause";
}

struct Correction {
    const char* field;
    const char* typed;
    const char* caption;
    const char* text;
};

TEST_F(DutchWindow, ADecimalCommaIsNeverAFactorOfTen)
{
    Enter(form->Controls().ADmeter, QStringLiteral("0,5"));
    EXPECT_DOUBLE_EQ(S().AdultMortality, 0.005) << "0,5 % adult mortality";
    EXPECT_EQ(form->Controls().ADmeter->text(), QStringLiteral("0.50")) << "the field shows a point";
    Enter(form->Controls().BImeter, QStringLiteral("2,5"));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 2.5) << "2,5 children, not 25 and a correction";
    EXPECT_TRUE(platform.messages.empty()) << "no correction, no message";
    EXPECT_EQ(platform.beeps, 0) << "no refused key";
}

TEST_F(DutchWindow, CorrectionsAppearInDutch)
{
    static constexpr Correction cases[] = {
        {"Popmeter", "50", "Ongeldige invoer",
         "Een bevolking van minder dan 120 mensen is niet toegestaan. De waarde is aangepast."},
        {"BImeter", "25", "Ongeldige invoer",
         "Een geboortecijfer van meer dan 20 is niet toegestaan. De waarde is aangepast."},
        {"Popmeter", "12x", "Vartel", "''12x'' is geen geldig geheel getal."},
        {"ADmeter", "2 .5", "Vartel", "'2 .5' is geen geldig decimaal getal."},
    };
    for (const Correction& correction : cases) {
        platform.messages.clear();
        auto* field = form->findChild<QLineEdit*>(QString::fromLatin1(correction.field));
        ASSERT_NE(field, nullptr);
        field->clear();
        QApplication::clipboard()->setText(QString::fromLatin1(correction.typed)); // pasted: no key filter
        field->paste();
        QTest::keyClick(field, Qt::Key_Return);
        Pump();
        ASSERT_FALSE(platform.messages.empty()) << correction.field << " " << correction.typed;
        EXPECT_EQ(platform.messages.front().caption, QString::fromLatin1(correction.caption));
        EXPECT_EQ(platform.messages.front().text, QString::fromLatin1(correction.text)) << correction.typed;
        Reactivate();
    }
}

// The data file after a whole run of "Realistic, medium" in a new window, without its date line.
QByteArray DataFileOfARun(RecordingPlatform& platform, HintSwitch& hints, const QString& path)
{
    TForm1 window(platform, hints);
    window.show();
    window.Controls().RadioButtons[6]->click();
    window.Controls().TrackBar1->setValue(4);
    window.Controls().StartButton->click();
    QElapsedTimer clock;
    clock.start();
    while (window.model().S.Running) {
        if (clock.elapsed() > 120000)
            return {}; // a hang guard
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    platform.fileAnswers.push_back(path);
    window.Controls().Button2->click();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeIf([](const QByteArray& line) { return line.startsWith("Date:\t"); });
    return lines.join('\n');
}

using DataFileLanguage = WindowTest;

TEST_F(DataFileLanguage, TheDutchWindowWritesTheEnglishFile)
{
    form.reset();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QByteArray english = DataFileOfARun(platform, hints, folder.filePath(QStringLiteral("en.txt")));
    UseLanguage(Language::Dutch);
    const QByteArray dutch = DataFileOfARun(platform, hints, folder.filePath(QStringLiteral("nl.txt")));
    UseLanguage(Language::English);
    ASSERT_GT(english.size(), 3000 * 20) << "a row for every year";
    EXPECT_TRUE(english.contains("Realistic, medium")) << "the scenario's English name";
    EXPECT_EQ(dutch, english) << "byte for byte, the date line aside";
}

} // namespace
} // namespace vartel::test
