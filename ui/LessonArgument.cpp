#include "ui/LessonArgument.h"

namespace vartel {

QString LessonArgument(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang"))
            ++i;
        else if (!arguments[i].startsWith(QLatin1Char('-')))
            return arguments[i];
    }
    return {};
}

} // namespace vartel
