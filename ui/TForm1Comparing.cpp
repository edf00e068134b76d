// Comparing runs in the population graph: the graph's context menu keeps the current run's curve, reads a
// saved run's from a data file, or forgets the kept curves; the graph draws them under its own curve.
#include "output/SavedRunReader.h"
#include "platform/Platform.h"
#include "ui/HintZone.h"
#include "ui/ImageView.h"
#include "ui/TForm1.h"

#include <QFile>
#include <QMenu>

namespace vartel {

void TForm1::ConnectComparing()
{
    ui_.GraphMenu = new QMenu(this);
    ui_.GraphMenu->setObjectName(QStringLiteral("GraphMenu"));
    ui_.KeepCurveItem = ui_.GraphMenu->addAction(tr("Keep this curve for comparison"), this, &TForm1::KeepCurveClick);
    ui_.KeepCurveItem->setObjectName(QStringLiteral("KeepCurveItem"));
    ui_.CompareItem = ui_.GraphMenu->addAction(tr("Compare with a saved run…"), this, &TForm1::CompareClick);
    ui_.CompareItem->setObjectName(QStringLiteral("CompareItem"));
    ui_.ForgetCurvesItem = ui_.GraphMenu->addAction(tr("Forget the kept curves"), this, &TForm1::ForgetCurvesClick);
    ui_.ForgetCurvesItem->setObjectName(QStringLiteral("ForgetCurvesItem"));
    // The hint zones over the graph open the same menu; a left click keeps its meaning everywhere.
    for (QWidget* place : std::initializer_list<QWidget*>{ui_.Image2, ui_.h0, ui_.h1, ui_.he}) {
        place->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(place, &QWidget::customContextMenuRequested, this,
                [this, place](const QPoint& point) { Image2ContextMenu(place->mapToGlobal(point)); });
    }
}

void TForm1::Image2ContextMenu(QPoint globalPos)
{
    ui_.KeepCurveItem->setEnabled(state().Year > 0);
    ui_.ForgetCurvesItem->setEnabled(!keptCurves_.Empty());
    ui_.GraphMenu->popup(globalPos);
}

void TForm1::DrawGraphWithKeptCurves()
{
    // A redraw stops before the current year; a segment already drawn for it is drawn again.
    const bool extended = curveExtendedSinceDraw_;
    DrawGraphOnScreen();
    if (extended)
        ExtendCurveOnScreen();
}

void TForm1::KeepCurveClick()
{
    if (state().Year <= 0)
        return;
    keptCurves_.Keep(CurrentRunCurve(state()));
    DrawGraphWithKeptCurves();
}

void TForm1::CompareClick()
{
    FileDialogRequest request;
    request.Title = tr("Compare with a saved run");
    request.Filters = DataFileFilters();
    request.ProposedName = comparedFileName_.isEmpty() ? dataFileName_ : comparedFileName_;
    const QString chosen = platform_.AskOpenFileName(this, request);
    if (chosen.isEmpty())
        return;
    comparedFileName_ = chosen;
    KeptCurve curve;
    if (const std::string error = ReadKeptCurve(QFile::encodeName(chosen).toStdString(), curve); !error.empty()) {
        platform_.ReportError(this, QString::fromStdString(error));
        return;
    }
    keptCurves_.Keep(std::move(curve));
    DrawGraphWithKeptCurves();
}

void TForm1::ForgetCurvesClick()
{
    if (keptCurves_.Empty())
        return;
    keptCurves_.Forget();
    DrawGraphWithKeptCurves();
}

} // namespace vartel
