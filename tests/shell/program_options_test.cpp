#include "shell/program_options.h"

#include <gtest/gtest.h>

namespace rillo {
namespace {

struct CommandLineCase {
    QStringList arguments;  // without the program name
    QString fileToOpen;
    bool help, version, refused;
    QString exportPdf, exportPlot;
};

TEST(ProgramOptions, ReadsTheFileAndTheFlagsAndRefusesWhatItDoesNotKnow) {
    const CommandLineCase cases[] = {
        {{}, "", false, false, false},
        {{"reach.flo"}, "reach.flo", false, false, false},
        {{"--", "-odd name.flo"}, "-odd name.flo", false, false, false},
        {{"--help"}, "", true, false, false},
        {{"--version"}, "", false, true, false},
        {{"a.flo", "b.flo"}, "", false, false, true},
        {{"--no-such-option"}, "", false, false, true},
        {{"--export-pdf", "r.pdf", "a.flo"}, "a.flo", false, false, false, "r.pdf", ""},
        {{"--export-plot", "p.svg", "a.flo"}, "a.flo", false, false, false, "", "p.svg"},
        {{"--export-plot", "p.svg"}, "", false, false, true, "", "p.svg"},
    };
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProgramOptions options = ParseProgramOptions(QStringList{"rillo"} + c.arguments);
        EXPECT_EQ(options.fileToOpen, c.fileToOpen);
        EXPECT_EQ(options.showHelp, c.help);
        EXPECT_EQ(options.showVersion, c.version);
        EXPECT_EQ(!options.error.isEmpty(), c.refused);
        EXPECT_EQ(options.exportPdf, c.exportPdf);
        EXPECT_EQ(options.exportPlot, c.exportPlot);
    }
}

}  // namespace
}  // namespace rillo
