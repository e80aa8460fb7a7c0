#include "shell/long_section_command.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "documents/frm_long_section.h"
#include "documents/frm_long_section_setup.h"
#include "documents/long_section_drawing.h"
#include "shell/headless_export.h"
#include "shell/main_menus.h"
#include "shell/mdi_main.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/modal_window.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

namespace fs = std::filesystem;

using testing::WhileModal;

class LongSectionCommandTest : public testing::MainWindowTest {
   protected:
    void SetUp() override { StartProgram(); }
    void Open(const std::function<void(FrmLongSection&)>& act) {
        WhileModal<FrmLongSection>([this] { Main().Menus().mnuLongSection->trigger(); }, act);
    }
};

TEST_F(LongSectionCommandTest, RefusedUntilAProfileIsComputed) {
    bool opened = false;
    QTimer::singleShot(0, [&] { opened = QApplication::activeModalWidget() != nullptr; });
    Main().Menus().mnuLongSection->trigger();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Long Section");
    EXPECT_EQ(services.messages[0].text, LongSectionErrorText());
    EXPECT_FALSE(opened);
}

// The toolbar button opens the drawing of the worked example; the set-up
// moves the bed and hides a line, refusing a bed that is not a number;
// Export writes the picture by its extension and says why it cannot.
TEST_F(LongSectionCommandTest, TheButtonDrawsTheWorkedExampleAndSetUpAndExportWork) {
    EnterInputs(testing::WorkedExampleTexts());
    ComputeFromMenu();
    ASSERT_TRUE(services.messages.empty());
    const fs::path folder = fs::path(::testing::TempDir()) /
                            ("long_section_window_" + std::to_string(QCoreApplication::applicationPid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto path = [&](const char* name) { return QString::fromStdString((folder / name).string()); };
    services.paths = {path("section.png"), path("section.svg"), path("section.gif")};

    WhileModal<FrmLongSection>([this] { RunToolbarButton(Main().Menus(), "LongSection"); }, [&](FrmLongSection& w) {
        EXPECT_EQ(w.windowTitle(), "Long Section");
        EXPECT_EQ(w.Section().profileClass, "mild, M-2");
        EXPECT_EQ(w.Section().lines.size(), 5u);
        WhileModal<FrmLongSectionSetup>([&] { w.cmdSetup->click(); }, [](FrmLongSectionSetup& setup) {
            setup.txtStartBed->setText("-");
            setup.cmdOK->click();  // refused: the dialog stays
            EXPECT_TRUE(setup.isVisible());
            setup.txtStartBed->setText("100");
            setup.chkShow[static_cast<std::size_t>(SectionLineKind::CriticalDepth)]->setChecked(false);
            setup.cmdOK->click();
        });
        ASSERT_EQ(w.Section().lines.size(), 4u);
        EXPECT_DOUBLE_EQ(w.Section().lines[0].points[0].elevation, 100.0);
        for (int i = 0; i < 3; ++i) w.cmdExport->click();
        w.cmdClose->click();
    });
    EXPECT_EQ(Main().State().longSection.startBedElevation, "100") << "the set-up lasts for the run";
    EXPECT_EQ(QImage(path("section.png")).size(), kLongSectionSize * 2);
    QFile svg(path("section.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    for (const char* shown : {"Station, ft", "Water surface", "mild, M-2", "10+00", "Vertical exaggeration"})
        EXPECT_TRUE(text.contains(shown)) << shown;
    EXPECT_FALSE(fs::exists(folder / "section.gif"));
    ASSERT_EQ(services.messages.size(), 2u) << "the refused bed, then the refused type";
    EXPECT_EQ(services.messages[0].title, "Long Section Setup");
    EXPECT_EQ(services.messages[1].title, "Export Error");
    fs::remove_all(folder);
}

// --export-section follows --export-plot's rules: it writes by the
// extension, never over its input or another output, and refuses a file
// without computed rows without touching an old picture.
TEST(HeadlessSectionExport, WritesByTheExtensionAndRefusesAsThePlotDoes) {
    const fs::path seed = fs::path(RILLO_TEST_DATA "/../../fuzz/seeds/trapezoid_worked_example.flo").lexically_normal();
    const fs::path folder = fs::path(::testing::TempDir()) /
                            ("long_section_headless_" + std::to_string(QCoreApplication::applicationPid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(seed, folder / "reach.flo");
    {
        std::ifstream in(seed);
        std::ofstream out(folder / "empty.flo", std::ios::binary);
        std::string line;
        for (int i = 0; i < 9 && std::getline(in, line); ++i) out << line << '\n';
        std::ofstream(folder / "old.png", std::ios::binary) << "previous picture";
    }
    auto q = [&](const std::string& name) { return name.empty() ? QString() : QString::fromStdString((folder / name).string()); };
    const struct {
        std::string section, plot, input;
        int status;
        std::string message;
    } cases[] = {
        {"section.png", "", "reach.flo", kExportWritten, ""},
        {"section.svg", "", "reach.flo", kExportWritten, ""},
        {"section.pdf", "", "reach.flo", kExportWritten, ""},
        {"reach.flo", "", "reach.flo", kExportRefused, "--export-section: "},
        {"same.svg", "same.svg", "reach.flo", kExportRefused, "--export-plot and --export-section name the same file"},
        {"old.png", "", "empty.flo", kExportFailed, "Long Section: Rillo cannot draw a long section"},
        {"section.jpg", "", "reach.flo", kExportFailed, "must end in .png, .svg or .pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        ProgramOptions options;
        options.exportSection = q(c.section);
        options.exportPlot = q(c.plot);
        options.fileToOpen = q(c.input);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(RunHeadlessExport(options), c.status);
        const std::string err = ::testing::internal::GetCapturedStderr();
        if (!c.message.empty()) EXPECT_NE(err.find(c.message), std::string::npos) << err;
    }
    EXPECT_EQ(QImage(q("section.png")).size(), kLongSectionSize * 2);
    QFile pdf(q("section.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    std::ifstream old(folder / "old.png");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "previous picture");
    std::ifstream reach(folder / "reach.flo"), original(seed);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reach), {}),
              std::string(std::istreambuf_iterator<char>(original), {}));
    EXPECT_FALSE(fs::exists(folder / "section.jpg"));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace rillo
