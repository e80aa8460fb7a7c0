#include "shell/program_options.h"

#include <gtest/gtest.h>

namespace rillo {
namespace {

struct CommandLineCase {
    QStringList arguments;  // without the program name
    QString fileToOpen;
    bool help, version, refused;
    QString exportPdf, exportPlot;
    QString errorHas = {};  // a part of the usage error
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
        {{"--export-plot", "p.svg"}, "", false, false, true, "", "p.svg", "exactly one profile file"},
        // An empty output name is no name; a report goes to a .pdf name only.
        {{"--export-pdf", "", "a.flo"}, "a.flo", false, false, true, "", "", "--export-pdf needs"},
        {{"--export-pdf=", "a.flo"}, "a.flo", false, false, true, "", "", "--export-pdf needs"},
        {{"--export-plot", "", "a.flo"}, "a.flo", false, false, true, "", "", "--export-plot needs"},
        {{"--export-pdf", "a.flo", "a.flo"}, "a.flo", false, false, true, "a.flo", "", "must end in .pdf"},
        {{"--export-pdf", "r.pdf.png", "a.flo"}, "a.flo", false, false, true, "r.pdf.png", "", ".pdf"},
        {{"--export-pdf", "R.PDF", "a.flo"}, "a.flo", false, false, false, "R.PDF", ""},
        // clang-format off
        {{"--export-pdf", "x.pdf", "a.flo", "b.flo"}, "", false, false, true, "x.pdf", "",
         "An export takes exactly one profile file to read; 2 were given."},
        // clang-format on
        {{"--export-pdf", "x.pdf"}, "", false, false, true, "x.pdf", "", "none was given"},
        {{"--export-section", "", "a.flo"}, "a.flo", false, false, true, "", "", "--export-section needs"},
        {{"--export-section", "s.png"}, "", false, false, true, "", "", "exactly one profile file"},
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
        EXPECT_TRUE(options.error.contains(c.errorHas)) << options.error.toStdString();
    }
    const ProgramOptions section = ParseProgramOptions({"rillo", "--export-section", "s.svg", "a.flo"});
    EXPECT_TRUE(section.error.isEmpty()) << section.error.toStdString();
    EXPECT_EQ(section.exportSection, "s.svg");
    EXPECT_TRUE(section.IsExport());
}

}  // namespace
}  // namespace rillo
