#pragma once

#include <QString>

#include "documents/format/profile_document.h"
#include "documents/plot/plot_data.h"

namespace rillo {

class FrmPlotSetup;
class MDIMain;

// The Plot command: shows the hidden views, refuses when no profile has been
// computed ("Plotting Error"), builds the chart from the table and shows the
// plot window modally.
void PlotProfile(MDIMain& main);

// The plot set-up dialog, made the first time it is needed and kept (hidden)
// for the rest of the run.
FrmPlotSetup& PlotSetupDialog(MDIMain& main);

// What the plot reads from the views: the table's heading rows and data rows,
// the channel name and the unit system.
PlotSource CurrentPlotSource(MDIMain& main);

// The same for a document read from a file, with the table's standard headings.
PlotSource PlotSourceOf(const ProfileDocument& document);

// The text of the "Plotting Error" message; lines broken by carriage returns.
QString PlottingErrorText();

}  // namespace rillo
