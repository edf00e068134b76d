// The six parameter fields: every exit (Enter, or the focus leaving the field) commits the text; the
// model corrects out-of-range values through the host's "Invalid data" box.
#include "model/ParameterCommit.h"
#include "ui/NumEdit.h"
#include "ui/Platform.h"
#include "ui/TForm1.h"
#include "ui/WholeNumberEdit.h"

namespace vartel {

void TForm1::Commit(ParameterField field, QLineEdit* edit)
{
    // A message box shown during a commit must not start a second commit of the same field.
    if (committing_)
        return;
    committing_ = true;
    const CommitResult result = CommitParameter(*model_, field, edit->text().toStdString());
    committing_ = false;
    if (!result.Ok)
        ReportError(this, QString::fromStdString(result.Error));
}

void TForm1::PopmeterExit()
{
    Commit(ParameterField::Population, Popmeter);
}

void TForm1::SPmeterExit()
{
    Commit(ParameterField::StableLevel, SPmeter);
}

void TForm1::BImeterExit()
{
    Commit(ParameterField::BirthIndex, BImeter);
}

void TForm1::BDmeterExit()
{
    Commit(ParameterField::BabyMortality, BDmeter);
}

void TForm1::ADmeterExit()
{
    Commit(ParameterField::AdultMortality, ADmeter);
}

void TForm1::IMmeterExit()
{
    Commit(ParameterField::Immigration, IMmeter);
}

} // namespace vartel
