#include "shell/plot_command.h"

#include "documents/format/profile_completeness.h"
#include "documents/frm_plot.h"
#include "documents/frm_plot_setup.h"
#include "shell/mdi_main.h"
#include "shell/profile_file_commands.h"

namespace rillo {

QString PlottingErrorText() {
    return QStringLiteral(
        "Rillo cannot plot a water surface profile \runtil it has computed one.\r\r"
        "Please enter all of the required inputs \rand select Compute from the Tools|Water Surface Profile  "
        "menu.");
}

FrmPlotSetup& PlotSetupDialog(MDIMain& main) {
    if (auto* dialog =
            main.findChild<FrmPlotSetup*>(QStringLiteral("frmPlotSetup"), Qt::FindDirectChildrenOnly)) {
        return *dialog;
    }
    return *new FrmPlotSetup(main.Services(), &main);  // the main window owns it
}

PlotSource PlotSourceOf(const ProfileDocument& document) {
    PlotSource source;
    source.headings = StandardHeadingRows(document.unitSystem);
    source.rows = document.table;
    source.channelName = document.channelName;
    source.units = document.unitSystem;
    return source;
}

PlotSource CurrentPlotSource(MDIMain& main) {
    PlotSource source = PlotSourceOf(CurrentDocument(main));
    const FrmMainGrid& grid = main.Grid();
    for (int row = 0; row < FrmMainGrid::kHeadingRows; ++row) {
        for (int column = 0; column < kProfileColumnCount; ++column) {
            source.headings[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                grid.CellText(row, column).toStdString();
        }
    }
    return source;
}

void PlotProfile(MDIMain& main) {
    PlatformServices& services = main.Services();
    main.ShowHiddenViews();
    if (!ProfileIsComplete(CurrentDocument(main))) {
        services.ShowMessage(PlottingErrorText(), QStringLiteral("Plotting Error"), MessageIcon::Information);
        return;
    }
    FrmPlot plot(
        services, PlotSetupDialog(main), [&main] { return CurrentPlotSource(main); },
        main.State().plotCustomised, &main);
    if (!plot.BuildPlotData()) return;
    plot.exec();
    services.ProcessPendingEvents();
}

}  // namespace rillo
