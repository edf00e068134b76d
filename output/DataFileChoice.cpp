// Which data file a file name asks for, and today's date for the time table: the parts of the data file
// that depend on the desktop, kept apart so that the texts themselves build without Qt.
#include "output/DataFile.h"
#include "output/PictureSaver.h"

#include <QDate>
#include <QLocale>

namespace vartel {

bool IsSpreadsheetName(const std::string& fileName)
{
    return UpperExtension(fileName) == ".CSV";
}

std::string DataFileFor(const SimulationState& s, const std::string& fileName)
{
    if (IsSpreadsheetName(fileName))
        return DataSpreadsheetText(s);
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    return DataFileText(s, today.toStdString());
}

} // namespace vartel
