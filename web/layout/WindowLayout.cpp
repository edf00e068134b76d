// Writes the main window's controls as JSON for the browser page, from the window itself: each named
// control's kind, place in the window's logical coordinates, caption, state, accessible name and hint, in
// the language asked for. Radio buttons of one parent form one group. The page lays out its controls from this, so that
// the window's own table stays the one source of the geometry and the texts.
//   vartel-window-layout en|nl     (needs a platform plugin; offscreen is enough)
#include "platform/DesktopPlatform.h"
#include "platform/Language.h"
#include "ui/HintSwitch.h"
#include "ui/ImageView.h"
#include "ui/TForm1.h"
#include "web/layout/RunTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>

#include <cstdio>

namespace {

// The kind of control the page makes for `w`; "" for one it leaves out.
QString KindOf(const QWidget* w)
{
    if (qobject_cast<const QPushButton*>(w))
        return QStringLiteral("button");
    if (qobject_cast<const QCheckBox*>(w))
        return QStringLiteral("check");
    if (qobject_cast<const QRadioButton*>(w))
        return QStringLiteral("radio");
    if (qobject_cast<const QSlider*>(w))
        return QStringLiteral("slider");
    if (qobject_cast<const QLineEdit*>(w))
        return QStringLiteral("field");
    if (qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w))
        return QStringLiteral("text");
    if (qobject_cast<const vartel::ImageView*>(w))
        return QStringLiteral("image");
    if (qobject_cast<const QGroupBox*>(w))
        return QStringLiteral("group");
    if (qobject_cast<const QLabel*>(w))
        return QStringLiteral("label");
    if (qobject_cast<const QFrame*>(w))
        return QStringLiteral("panel");
    return QStringLiteral("zone"); // a hint zone: a place with a hint and nothing drawn
}

QString TextOf(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        return plain->toPlainText();
    if (const auto* rich = qobject_cast<const QTextEdit*>(w))
        return rich->toPlainText();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    return {};
}

QJsonObject Describe(const QWidget* window, const QWidget* w)
{
    const QPoint at = w->mapTo(window, QPoint(0, 0));
    QJsonObject control{{QStringLiteral("id"), w->objectName()},
                        {QStringLiteral("kind"), KindOf(w)},
                        {QStringLiteral("parent"), w->parentWidget()->objectName()},
                        {QStringLiteral("left"), at.x()},
                        {QStringLiteral("top"), at.y()},
                        {QStringLiteral("width"), w->width()},
                        {QStringLiteral("height"), w->height()},
                        {QStringLiteral("text"), TextOf(w)},
                        {QStringLiteral("name"), w->accessibleName()},
                        {QStringLiteral("hint"), w->toolTip()},
                        {QStringLiteral("visible"), w->isVisibleTo(window)},
                        {QStringLiteral("enabled"), w->isEnabled()},
                        {QStringLiteral("fontPixels"), QFontInfo(w->font()).pixelSize()},
                        {QStringLiteral("bold"), w->font().bold()}};
    if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && button->isCheckable())
        control.insert(QStringLiteral("checked"), button->isChecked());
    if (const auto* slider = qobject_cast<const QSlider*>(w)) {
        control.insert(QStringLiteral("minimum"), slider->minimum());
        control.insert(QStringLiteral("maximum"), slider->maximum());
        control.insert(QStringLiteral("value"), slider->value());
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        control.insert(QStringLiteral("readOnly"), edit->isReadOnly());
    return control;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2 || !vartel::LanguageOfCode(QString::fromLatin1(argv[1]))) {
        std::fputs("Usage: vartel-window-layout en|nl\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    vartel::UseLanguage(*vartel::LanguageOfCode(QString::fromLatin1(argv[1])));
    vartel::DesktopPlatform platform;
    vartel::HintSwitch hints;
    vartel::TForm1 window(platform, hints);

    QJsonArray controls;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        // The houses are pictures on the map, which the page draws with the map.
        const auto* label = qobject_cast<const QLabel*>(w);
        const bool picture = label != nullptr && !label->pixmap().isNull();
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) && !picture)
            controls.append(Describe(&window, w));
    }
    const QJsonObject layout{{QStringLiteral("title"), window.windowTitle()},
                             {QStringLiteral("width"), window.width()},
                             {QStringLiteral("height"), window.height()},
                             {QStringLiteral("controls"), controls},
                             {QStringLiteral("texts"), vartel::TranslatedRunTexts(VARTEL_TRANSLATION_SOURCE)}};
    const QByteArray json = QJsonDocument(layout).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return 0;
}
