#pragma once
// The programme explanation window: the help document with copy, print, printer set-up, back to top and
// chapter links. It is created hidden at start; closing it only hides it.
#include <QRect>
#include <QWidget>

#include <memory>

class QFrame;
class QPrinter;
class QPushButton;

namespace vartel {

class Platform;
class TRichEdit;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // The platform must outlive the window.
    explicit TForm2(Platform& platform, QWidget* parent = nullptr);
    ~TForm2() override;

    // Whether a printer was installed when the window was created; never re-evaluated.
    bool PrinterAvailable() const { return printerAvailable_; }
    // The print page rectangle in printer pixels, relative to the printable area; empty without printer.
    QRect PrintPageRect() const { return printPageRect_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void RichEdit1MouseDown();
    void OpenClickedLink(const QString& linkText);
    void ReportNoPrinter();

    QFrame* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    TRichEdit* RichEdit1 = nullptr;

    Platform& platform_;
    bool printerAvailable_ = false;
    std::unique_ptr<QPrinter> printer_;
    QRect printPageRect_;
};

} // namespace vartel
