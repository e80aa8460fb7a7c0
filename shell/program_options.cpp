#include "shell/program_options.h"
#include "platform/platform_services.h"

#include <QCommandLineParser>

namespace rillo {

ProgramOptions ParseProgramOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        kApplicationTitle +
        QStringLiteral(": hydraulic design of open channels. Steady water-surface profiles of\n"
                       "trapezoidal, circular, U-shaped and elongated circular channels, and calculators\n"
                       "for critical depth, Manning's equation, weirs, orifices and underflow gates."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption exportPdf(
        QStringLiteral("export-pdf"),
        QStringLiteral("Print the report of <file> to a PDF file, with no window, and exit."),
        QStringLiteral("out.pdf"));
    parser.addOption(exportPdf);
    const QCommandLineOption exportPlot(
        QStringLiteral("export-plot"),
        QStringLiteral("Draw the plot of <file> with the default set-up to a PNG, SVG or PDF file (by\n"
                       "the extension), with no window, and exit."),
        QStringLiteral("out.png|out.svg|out.pdf"));
    parser.addOption(exportPlot);
    const QCommandLineOption exportSection(
        QStringLiteral("export-section"),
        QStringLiteral("Draw the long section of <file> (bed, water surface, energy line, normal and\n"
                       "critical depth) to a PNG, SVG or PDF file (by the extension), with no window, and exit."),
        QStringLiteral("out.png|out.svg|out.pdf"));
    parser.addOption(exportSection);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A profile file (.flo) to open."),
                                 QStringLiteral("[file]"));

    ProgramOptions options;
    options.helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.showHelp = parser.isSet(help);
    options.showVersion = parser.isSet(version);
    options.exportPdf = parser.value(exportPdf);
    options.exportPlot = parser.value(exportPlot);
    options.exportSection = parser.value(exportSection);
    const QStringList files = parser.positionalArguments();
    if (files.size() == 1) options.fileToOpen = files.constFirst();
    const bool exporting = parser.isSet(exportPdf) || parser.isSet(exportPlot) || parser.isSet(exportSection);
    if (parser.isSet(exportPdf) && options.exportPdf.isEmpty()) {
        options.error = QStringLiteral("--export-pdf needs the name of the PDF file to write.");
    } else if (parser.isSet(exportPlot) && options.exportPlot.isEmpty()) {
        options.error = QStringLiteral("--export-plot needs the name of the picture file to write.");
    } else if (parser.isSet(exportSection) && options.exportSection.isEmpty()) {
        options.error = QStringLiteral("--export-section needs the name of the picture file to write.");
    } else if (!options.exportPdf.isEmpty() && !options.exportPdf.endsWith(".pdf", Qt::CaseInsensitive)) {
        options.error = QStringLiteral("--export-pdf writes a PDF file, whose name must end in .pdf: %1")
                            .arg(options.exportPdf);
    } else if (exporting && files.size() != 1) {
        options.error = QStringLiteral("An export takes exactly one profile file to read; %1.")
                            .arg(files.isEmpty() ? QStringLiteral("none was given")
                                                 : QStringLiteral("%1 were given").arg(files.size()));
    } else if (files.size() > 1) {
        options.error =
            QStringLiteral("Only one profile file can be opened; %1 were given.").arg(files.size());
    }
    return options;
}

}  // namespace rillo
