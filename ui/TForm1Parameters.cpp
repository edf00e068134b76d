// The six parameter fields: Enter commits the text, and so does leaving a field whose text was edited;
// the session decides what is new and the model corrects out-of-range values through the "Invalid data" box.
#include "model/ParameterCommit.h"
#include "platform/Platform.h"
#include "session/TrimmedText.h"
#include "ui/NumEdit.h"
#include "ui/TForm1.h"
#include "ui/Translation.h"
#include "ui/WholeNumberEdit.h"

#include <QGroupBox>
#include <QTimer>

namespace vartel {

void TForm1::Commit(ParameterField field, QLineEdit* edit, CommitBy by)
{
    // The session decides what is committed: a past year's value on display never is.
    const std::string typed = edit->text().toStdString();
    const CommitOutcome outcome = session_->Commit(field, typed, by);
    if (!outcome.Error.empty()) {
        platform_.ReportError(this, Translated("Correction", outcome.Error));
        return;
    }
    if (!outcome.Unchanged)
        recorder_.Commit(state().Year, field, TrimmedText(typed));
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

void TForm1::PopmeterExit(CommitBy by)
{
    Commit(ParameterField::Population, ui_.Popmeter, by);
}

void TForm1::SPmeterExit(CommitBy by)
{
    Commit(ParameterField::StableLevel, ui_.SPmeter, by);
}

void TForm1::BImeterExit(CommitBy by)
{
    Commit(ParameterField::BirthIndex, ui_.BImeter, by);
}

void TForm1::BDmeterExit(CommitBy by)
{
    Commit(ParameterField::BabyMortality, ui_.BDmeter, by);
}

void TForm1::ADmeterExit(CommitBy by)
{
    Commit(ParameterField::AdultMortality, ui_.ADmeter, by);
}

void TForm1::IMmeterExit(CommitBy by)
{
    Commit(ParameterField::Immigration, ui_.IMmeter, by);
}

} // namespace vartel
