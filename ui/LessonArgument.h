#pragma once
// The lesson file on the window's command line.
#include <QStringList>

namespace vartel {

// The first argument that is no option nor --lang's value, among those QApplication left (the program's
// name excluded); an empty string when there is none.
QString LessonArgument(const QStringList& arguments);

} // namespace vartel
