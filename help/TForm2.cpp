#include "help/TForm2.h"

namespace vartel {

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setObjectName("TForm2");
    setWindowTitle("Vartel  -  Programme explanation");
}

} // namespace vartel
