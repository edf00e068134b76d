#include "ui/ProcessLocale.h"

#include <QLocale>

#include <clocale>

namespace vartel {

void UseDecimalPointEverywhere()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(c);
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace vartel
