#pragma once

#include <QString>
#include <QStringList>

namespace rillo {

// What the program was asked to do by its command line.
struct ProgramOptions {
    QString fileToOpen;  // a profile file opened at start-up, as File, Open opens it
    QString exportPdf;   // --export-pdf OUT.pdf: the report of fileToOpen, with no window
    QString exportPlot;  // --export-plot OUT.png|OUT.svg: the plot of fileToOpen, with no window
    QString exportSection;  // --export-section OUT.png|OUT.svg|OUT.pdf: its long section, with no window
    bool showHelp = false;
    bool showVersion = false;
    QString helpText;  // the options, for --help
    QString error;     // a usage error; empty when the command line is sound

    bool IsExport() const { return !exportPdf.isEmpty() || !exportPlot.isEmpty() || !exportSection.isEmpty(); }
};

// Parses the program's arguments (the program name first). Needs no display.
ProgramOptions ParseProgramOptions(const QStringList& arguments);

}  // namespace rillo
