#include "web/layout/RunTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>

namespace vartel {

namespace {

// The text of the <source> just started; a .ts file writes a control character as <byte value="xd"/>.
QString TsText(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("source")) {
        if (xml.atEnd())
            break;
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
    }
    return text;
}

} // namespace

QJsonObject TranslatedRunTexts(const QString& translationSource)
{
    static const QStringList contexts{QStringLiteral("Bulletin"), QStringLiteral("Correction"),
                                      QStringLiteral("Instruction"), QStringLiteral("StartButton")};
    QJsonObject texts;
    QFile file(translationSource);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString context;
    QJsonObject messages;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("context")) {
            if (contexts.contains(context))
                texts.insert(context, messages);
            messages = {};
        } else if (xml.isStartElement() && xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            const QString english = TsText(xml);
            messages.insert(english,
                            QCoreApplication::translate(context.toUtf8().constData(), english.toUtf8().constData()));
        }
    }
    return texts;
}

} // namespace vartel
