#include "shell/headless_export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace rillo {
namespace {

namespace fs = std::filesystem;

const fs::path kWorkedExampleFile =
    fs::path(RILLO_TEST_DATA "/../../fuzz/seeds/trapezoid_worked_example.flo").lexically_normal();

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// An export never writes over the profile file, whatever the output is
// called, nor one output over the other, nor an empty chart over a picture.
TEST(HeadlessExport, NoOutputDamagesTheInputOrAnOldFile) {
    QTemporaryDir temporary;
    const fs::path folder = temporary.path().toStdString();
    fs::copy_file(kWorkedExampleFile, folder / "reach.flo");
    fs::create_symlink(folder / "reach.flo", folder / "link.pdf");
    fs::create_hard_link(folder / "reach.flo", folder / "hard.pdf");
    fs::create_directories(folder / "sub");
    {
        // A profile file with its inputs but no computed rows.
        std::ifstream in(kWorkedExampleFile);
        std::ofstream out(folder / "empty.flo", std::ios::binary);
        std::string line;
        for (int i = 0; i < 9 && std::getline(in, line); ++i) out << line << '\n';
        std::ofstream(folder / "old.png", std::ios::binary) << "previous picture";
        std::ofstream(folder / "report.pdf", std::ios::binary) << "previous report";
    }
    fs::create_hard_link(folder / "report.pdf", folder / "report.svg");
    ASSERT_EQ(::mkfifo((folder / "pipe.svg").c_str(), 0600), 0);

    const struct {
        std::string pdf, plot, input;
        int status;
        std::string message;
    } cases[] = {
        {"link.pdf", "", "reach.flo", kExportRefused, "is the profile file to read"},
        {"hard.pdf", "", "reach.flo", kExportRefused, "is the profile file to read"},
        {"", "sub/../reach.flo", "reach.flo", kExportRefused, "is the profile file to read"},
        {"", "reach.flo", "link.pdf", kExportRefused, "is the profile file to read"},
        {"report.pdf", "report.svg", "reach.flo", kExportRefused, "name the same file"},
        {"", "old.png", "empty.flo", kExportFailed, "Plotting Error: Rillo cannot plot"},
        {"", "pipe.svg", "reach.flo", kExportFailed, "Not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pdf + " " + c.plot + " " + c.input);
        ProgramOptions options;
        options.exportPdf = c.pdf.empty() ? QString() : QString::fromStdString((folder / c.pdf).string());
        options.exportPlot = c.plot.empty() ? QString() : QString::fromStdString((folder / c.plot).string());
        options.fileToOpen = QString::fromStdString((folder / c.input).string());
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(RunHeadlessExport(options), c.status);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
    }
    EXPECT_EQ(Contents(folder / "reach.flo"), Contents(kWorkedExampleFile));
    EXPECT_TRUE(fs::is_symlink(folder / "link.pdf"));
    EXPECT_EQ(Contents(folder / "old.png"), "previous picture");
    EXPECT_EQ(Contents(folder / "report.pdf"), "previous report");
    EXPECT_TRUE(fs::is_fifo(folder / "pipe.svg"));

    // Sound names still export.
    ProgramOptions options;
    options.exportPdf = QString::fromStdString((folder / "new.pdf").string());
    options.exportPlot = QString::fromStdString((folder / "new.svg").string());
    options.fileToOpen = QString::fromStdString((folder / "link.pdf").string());
    EXPECT_EQ(RunHeadlessExport(options), kExportWritten);
    EXPECT_EQ(Contents(folder / "new.pdf").substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace rillo
