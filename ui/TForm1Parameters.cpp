// The six parameter fields: Enter commits the text, and so does leaving a field whose text was edited;
// the model corrects out-of-range values through the host's "Invalid data" box.
#include "model/ParameterCommit.h"
#include "platform/Platform.h"
#include "ui/NumEdit.h"
#include "ui/TForm1.h"
#include "ui/Translation.h"
#include "ui/WholeNumberEdit.h"

#include <QGroupBox>
#include <QTimer>

namespace vartel {

void TForm1::Commit(ParameterField field, QLineEdit* edit)
{
    // A message box shown during a commit must not start a second commit of the same field.
    if (committing_)
        return;
    committing_ = true;
    // Blanks around a pasted number are no part of it; blanks inside it stay an error.
    const QString text = edit->text().trimmed();
    const CommitResult result = CommitParameter(model(), field, text.toStdString());
    committing_ = false;
    if (!result.Ok) {
        platform_.ReportError(this, Translated("Correction", result.Error));
        return;
    }
    recorder_.Commit(state().Year, field, text.toStdString());
    if (edit->text() != text && edit->text().trimmed() == text)
        edit->setText(text); // the commit changed nothing and left the blanks
    // The text is the committed value now, no longer an edit of the student's.
    edit->setModified(false);
}

void TForm1::LeaveField(QLineEdit* field)
{
    // Leaving commits an edit only: a text the program wrote (a frozen past year, a value rounded to its
    // decimals) read back would change the present silently.
    if (!field->isModified())
        return;
    if (field == ui_.Popmeter)
        PopmeterExit();
    else if (field == ui_.SPmeter)
        SPmeterExit();
    else if (field == ui_.BImeter)
        BImeterExit();
    else if (field == ui_.BDmeter)
        BDmeterExit();
    else if (field == ui_.ADmeter)
        ADmeterExit();
    else if (field == ui_.IMmeter)
        IMmeterExit();
    // The commit ran in the middle of the focus change, and its box may have taken the focus on the way;
    // once the change (and a click's own handling) is complete, the field that got the focus gets its
    // whole text selected, as a Tab gives it, so typing replaces the text.
    QTimer::singleShot(0, this, &TForm1::SelectFocusedFieldText);
}

void TForm1::SelectFocusedFieldText()
{
    auto* field = qobject_cast<QLineEdit*>(focusWidget());
    if (field != nullptr && field->parentWidget() == ui_.GroupBox3 && !field->isModified())
        field->selectAll();
}

void TForm1::PopmeterExit()
{
    Commit(ParameterField::Population, ui_.Popmeter);
}

void TForm1::SPmeterExit()
{
    Commit(ParameterField::StableLevel, ui_.SPmeter);
}

void TForm1::BImeterExit()
{
    Commit(ParameterField::BirthIndex, ui_.BImeter);
}

void TForm1::BDmeterExit()
{
    Commit(ParameterField::BabyMortality, ui_.BDmeter);
}

void TForm1::ADmeterExit()
{
    Commit(ParameterField::AdultMortality, ui_.ADmeter);
}

void TForm1::IMmeterExit()
{
    Commit(ParameterField::Immigration, ui_.IMmeter);
}

} // namespace vartel
