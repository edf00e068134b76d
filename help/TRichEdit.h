#pragma once
// The read-only rich-text view of the help window (and of any other program-information text): it
// reports every mouse press after the press has placed the caret, and it detects web and mail addresses
// in its text, shows them as links and reports a left press on one.
#include <QTextEdit>

namespace vartel {

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);

    // Turns on the detection of links; it applies to every document loaded afterwards.
    void EnableLinkDetection();
    // Replaces the content with an RTF document.
    void LoadRtf(const QByteArray& rtf);

signals:
    void MouseDown(Qt::MouseButton button);
    // A left press on a link; the link's text is then selected in the view.
    void LinkPressed(const QString& linkText);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void MarkLinks();
    // The link under a point of the viewport, as a document range.
    bool LinkUnder(const QPoint& point, int& start, int& length) const;

    bool linkDetection_ = false;
};

} // namespace vartel
