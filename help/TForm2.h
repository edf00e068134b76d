#pragma once
// The programme explanation window: the help document with copy, print, printer set-up, back to top and
// chapter links.
#include <QWidget>

namespace vartel {

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

} // namespace vartel
