#include "shell/profile_file_commands.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_app.h"
#include "documents/format/profile_file_writer.h"
#include "shell/channel_type_commands.h"
#include "shell/unit_commands.h"
#include "tests/support/disk_full_io.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

namespace fs = std::filesystem;
using testing::ComputeSampleDocument;
using testing::DiskFullIo;
using testing::MainWindowTest;
using testing::SampleTexts;
using testing::WorkedExampleTexts;

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ProfileFileCommandsTest : public MainWindowTest {
   protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        folder_ = fs::path(::testing::TempDir()) / ("commands_" + name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        StartProgram();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        fs::remove_all(folder_);
    }
    QString PathOf(const char* name) const { return QString::fromStdString((folder_ / name).string()); }

    void ComputeSample(const ProfileInputTexts& texts, ChannelType shape, UnitSystem units) {
        SelectChannelType(Main(), shape);
        SetUnitSystem(Main(), units);
        EnterInputs(texts);
        ComputeFromMenu();
        ASSERT_TRUE(services.messages.empty()) << services.messages.front().text.toStdString();
    }
    void SaveAs(const QString& path) {
        services.paths.push_back(path);
        Main().Menus().mnuSave->trigger();
    }
    void OpenFrom(const QString& path) {
        services.paths.push_back(path);
        Main().Menus().mnuOpen->trigger();
    }
    QString StoredRecent(const char* key) const { return services.settings.value(QString("Menus/") + key); }
    void ExpectOneMessage(const QString& text, const QString& title, MessageIcon icon) {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, text);
        EXPECT_EQ(services.messages[0].title, title);
        EXPECT_EQ(services.messages[0].icon, icon);
        services.messages.clear();
    }
    // Every text of the three views, with the caption and the current file path.
    std::vector<QString> DocumentOnScreen() {
        std::vector<QString> texts = {Main().windowTitle(), Main().State().currentFilePath};
        for (QLineEdit* field : Inputs().Fields()) texts.push_back(field->text());
        for (QLabel* label : {Results().lblNormalDepth, Results().lblNormalArea, Results().lblCriticalDepth,
                              Results().lblCriticalArea, Results().lblFlowType, Results().lblProfileType}) {
            texts.push_back(label->text());
        }
        for (int row = 0; row < FrmMainGrid::kRowCount; ++row) {
            for (int col = 0; col < FrmMainGrid::kColumnCount; ++col)
                texts.push_back(Grid().CellText(row, col));
        }
        return texts;
    }

    fs::path folder_;
};

TEST_F(ProfileFileCommandsTest, SaveNeedsAComputedProfile) {
    EnterInputs(WorkedExampleTexts());
    SaveAs(PathOf("never.flo"));
    ExpectOneMessage("You must enter all of the required inputs and calculate a profile before saving.",
                     "Saving Error", MessageIcon::Information);
    EXPECT_TRUE(services.saveRequests.empty());
    EXPECT_FALSE(fs::exists(folder_ / "never.flo"));
}

TEST_F(ProfileFileCommandsTest, CancellingTheSaveDialogWritesNothing) {
    ComputeSample(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    Main().Menus().mnuSave->trigger();  // no path scripted: the dialog is cancelled
    ASSERT_EQ(services.saveRequests.size(), 1u);
    EXPECT_EQ(services.saveRequests[0].fileName, "");
    EXPECT_EQ(services.saveRequests[0].filter, "Flow Profile (*.flo)|*.flo");
    EXPECT_EQ(services.saveRequests[0].defaultExtension, "flo");
    EXPECT_TRUE(fs::is_empty(folder_));
    EXPECT_EQ(Main().State().currentFilePath, "");
    EXPECT_FALSE(Main().Menus().mnuLastFileUsed[0]->isVisible());
}

TEST_F(ProfileFileCommandsTest, SavedWorkedExampleIsTheFileOfTheViewsTexts) {
    ComputeSample(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    const QString path = PathOf("worked.flo");
    SaveAs(path);
    EXPECT_TRUE(services.messages.empty());
    const ProfileDocument expected =
        ComputeSampleDocument(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    EXPECT_EQ(Contents(path.toStdString()), ProfileFileText(expected));
    EXPECT_EQ(Main().State().currentFilePath, path);
    EXPECT_EQ(StoredRecent("First"), path);
    EXPECT_TRUE(Main().Menus().mnuSeparator1->isVisible());
    EXPECT_EQ(Main().Menus().mnuLastFileUsed[0]->text(), "&1 " + path);

    // The next save proposes the file.
    Main().Menus().mnuSave->trigger();
    ASSERT_EQ(services.saveRequests.size(), 2u);
    EXPECT_EQ(services.saveRequests[1].fileName, path);
}

// The fields take numbers still being typed; Compute reads them by their
// leading number, and the file must open with those numbers.
TEST_F(ProfileFileCommandsTest, NumbersStillBeingTypedAreSavedAndOpenAsTheNumbersComputeRead) {
    ProfileInputTexts texts = WorkedExampleTexts();
    texts.flowrate = "100E";
    texts.widthOrDiameter = ".";  // a triangle
    texts.bottomSlope = "1E-";
    ComputeSample(texts, ChannelType::Trapezoidal, UnitSystem::English);
    EXPECT_EQ(Inputs().txtQ->text(), "100E");
    const std::string critical = Results().lblCriticalDepth->text().toStdString();
    const QString path = PathOf("typing.flo");
    SaveAs(path);
    Main().Menus().mnuNewProfile->trigger();
    OpenFrom(path);
    EXPECT_TRUE(services.messages.empty()) << services.messages.front().text.toStdString();
    EXPECT_EQ(Inputs().txtQ->text(), "100");
    EXPECT_EQ(Inputs().txtD->text(), "0");
    EXPECT_EQ(Inputs().txtSO->text(), "1");
    EXPECT_EQ(Results().lblCriticalDepth->text().toStdString(), critical);
}

struct ShapeCase {
    const char* name;
    ChannelType shape;
    UnitSystem units;
    bool steep;
};

class OpenRoundTripTest : public ProfileFileCommandsTest, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(OpenRoundTripTest, OpeningASavedFileGivesBackTheViewsTexts) {
    const ShapeCase c = GetParam();
    ComputeSample(SampleTexts(c.shape, c.steep), c.shape, c.units);
    const ProfileDocument saved = CurrentDocument(Main());
    ASSERT_FALSE(saved.summary.profileType.empty());
    const QString path = PathOf("round.flo");
    SaveAs(path);

    // Another program with another shape and other units opens it.
    StartProgram();
    SelectChannelType(Main(),
                      c.shape == ChannelType::Circular ? ChannelType::UShaped : ChannelType::Circular);
    SetUnitSystem(Main(), c.units == UnitSystem::English ? UnitSystem::SI : UnitSystem::English);
    OpenFrom(path);
    EXPECT_TRUE(services.messages.empty());

    const ProfileDocument opened = CurrentDocument(Main());
    EXPECT_EQ(Main().State().channelType, c.shape);
    EXPECT_EQ(Main().State().unitSystem, c.units);
    EXPECT_EQ(Main().windowTitle(), QString("Rillo 2.1: ") + QString::fromUtf8(ShapeOf(c.shape).displayName));
    EXPECT_EQ(Main().Inputs().txtSlope->isVisibleTo(&Main().Inputs()), UsesSideInput(c.shape));
    EXPECT_EQ(opened.startStation, saved.startStation);
    EXPECT_EQ(opened.endStation, saved.endStation);
    EXPECT_EQ(opened.flowrate, saved.flowrate);
    EXPECT_EQ(opened.widthOrDiameter, saved.widthOrDiameter);
    EXPECT_EQ(opened.manningN, saved.manningN);
    EXPECT_EQ(opened.bottomSlope, saved.bottomSlope);
    EXPECT_EQ(opened.controlDepth, saved.controlDepth);
    if (UsesSideInput(c.shape)) {
        EXPECT_EQ(opened.sideSlopeOrHeight, saved.sideSlopeOrHeight);
    }
    EXPECT_EQ(opened.summary.normalDepth, saved.summary.normalDepth);
    EXPECT_EQ(opened.summary.normalArea, saved.summary.normalArea);
    EXPECT_EQ(opened.summary.criticalDepth, saved.summary.criticalDepth);
    EXPECT_EQ(opened.summary.criticalArea, saved.summary.criticalArea);
    EXPECT_EQ(opened.summary.flowType, saved.summary.flowType);
    EXPECT_EQ(opened.summary.profileType, "");
    ASSERT_EQ(opened.table.size(), saved.table.size());
    for (std::size_t i = 0; i < saved.table.size(); ++i) {
        for (int col = 0; col < kProfileColumnCount; ++col) {
            EXPECT_EQ(opened.table[i].cells[col], col < kFroudeColumn ? saved.table[i].cells[col] : "")
                << "row " << i << " column " << col;
        }
    }
    EXPECT_EQ(StoredRecent("First"), path);
}

INSTANTIATE_TEST_SUITE_P(
    ShapesAndUnits, OpenRoundTripTest,
    ::testing::Values(ShapeCase{"TrapezoidEnglish", ChannelType::Trapezoidal, UnitSystem::English, false},
                      ShapeCase{"TrapezoidSI", ChannelType::Trapezoidal, UnitSystem::SI, true},
                      ShapeCase{"CircularEnglish", ChannelType::Circular, UnitSystem::English, true},
                      ShapeCase{"CircularSI", ChannelType::Circular, UnitSystem::SI, false},
                      ShapeCase{"UShapedEnglish", ChannelType::UShaped, UnitSystem::English, false},
                      ShapeCase{"UShapedSI", ChannelType::UShaped, UnitSystem::SI, true},
                      ShapeCase{"ElongatedEnglish", ChannelType::ElongatedCircular, UnitSystem::English,
                                true},
                      ShapeCase{"ElongatedSI", ChannelType::ElongatedCircular, UnitSystem::SI, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileFileCommandsTest, OpenedChannelNameShowsInTheCaption) {
    ComputeSample(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    Main().State().channelName = QString::fromUtf8("Canal de l\u00E9vis");
    const QString path = PathOf("named.flo");
    SaveAs(path);
    Main().Menus().mnuNewProfile->trigger();
    SelectChannelType(Main(), ChannelType::Trapezoidal);
    OpenFrom(path);
    EXPECT_EQ(Main().State().channelName, QString::fromUtf8("Canal de l\u00E9vis"));
    EXPECT_EQ(Main().windowTitle(), QString::fromUtf8("Rillo 2.1: Canal de l\u00E9vis"));
}

TEST_F(ProfileFileCommandsTest, WrongCaseHeaderIsRefusedAndTheDocumentKept) {
    ComputeSample(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    SaveAs(PathOf("kept.flo"));
    const std::vector<QString> before = DocumentOnScreen();
    const QString path = PathOf("wrong_case.flo");
    std::ofstream(path.toStdString(), std::ios::binary) << "Trapezoidal Channel\r\nEnglish Units\r\n";
    OpenFrom(path);
    ExpectOneMessage("Unknown channel type. Cannot open file.", "File Open Error", MessageIcon::Warning);
    EXPECT_EQ(DocumentOnScreen(), before);
    EXPECT_EQ(Main().State().currentFilePath, PathOf("kept.flo"));
    EXPECT_EQ(StoredRecent("First"), PathOf("kept.flo"));
}

struct BrokenFileCase {
    const char* name;
    std::string bytes;  // empty name of the file: the file does not exist
    bool exists;
};

class OpenBrokenFileTest : public ProfileFileCommandsTest,
                           public ::testing::WithParamInterface<BrokenFileCase> {};

// Unsaved work stays: the inputs, the results, the table, the caption and the path.
TEST_P(OpenBrokenFileTest, EndsInCannotBeOpenedAndKeepsTheDocument) {
    ComputeSample(SampleTexts(ChannelType::Circular), ChannelType::Circular, UnitSystem::SI);
    Main().State().channelName = "Culvert 3";
    Main().ShowCaptionWithChannelName();
    const std::vector<QString> before = DocumentOnScreen();
    ASSERT_NE(Main().Results().lblProfileType->text(), "");
    const QString path = PathOf("broken.flo");
    if (GetParam().exists) std::ofstream(path.toStdString(), std::ios::binary) << GetParam().bytes;
    OpenFrom(path);
    ExpectOneMessage("File cannot be opened.", "Rillo 2.1", MessageIcon::Warning);
    EXPECT_EQ(DocumentOnScreen(), before);
    EXPECT_EQ(Main().State().channelType, ChannelType::Circular);
    EXPECT_EQ(Main().State().unitSystem, UnitSystem::SI);
    EXPECT_EQ(Main().State().currentFilePath, "");
    EXPECT_FALSE(Main().Menus().mnuLastFileUsed[0]->isVisible());
}

std::string TooManyRows() {
    std::string text =
        "TRAPEZOIDAL CHANNEL\r\nEnglish Units\r\nx\r\n\r\n1 2 3 4 5 6 7\r\n\r\n1 2 3 4 "
        "supercritical\r\n\r\n\r\n";
    for (int i = 0; i < 99; ++i) text += std::to_string(i) + "+00.000 1.000 2 3 4 5 6\r\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenBrokenFileTest,
    ::testing::Values(BrokenFileCase{"Missing", "", false}, BrokenFileCase{"Empty", "", true},
                      BrokenFileCase{"CutAfterTheUnits", "CIRCULAR CHANNEL\r\nSI Units\r\n", true},
                      BrokenFileCase{"LetterForANumber",
                                     "CIRCULAR CHANNEL\r\nSI Units\r\nx\r\n\r\n1 2 3 O.013 5 6\r\n", true},
                      BrokenFileCase{"MoreRowsThanTheTable", TooManyRows(), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileFileCommandsTest, FolderGoneMidSaveShowsSaveErrorAndWritesNothing) {
    ComputeSample(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    const fs::path sub = folder_ / "project";
    fs::create_directory(sub);
    services.onSavePathChosen = [&sub](const QString&) { fs::remove_all(sub); };
    SaveAs(QString::fromStdString((sub / "reach.flo").string()));
    ExpectOneMessage("The following error occurred:\rNo such file or directory", "Save Error",
                     MessageIcon::Warning);
    EXPECT_TRUE(fs::is_empty(folder_));
    EXPECT_EQ(StoredRecent("First"), "");
    EXPECT_EQ(CurrentDocument(Main()).table.size(), 16u);  // the document is untouched
}

TEST_F(ProfileFileCommandsTest, FullDiskShowsSaveErrorAndLeavesTheOldFile) {
    const QString path = PathOf("reach.flo");
    std::ofstream(path.toStdString(), std::ios::binary) << "the profile saved yesterday\r\n";
    ComputeSample(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    services.paths.push_back(path);
    DiskFullIo disk;
    SaveProfile(Main(), disk);
    ExpectOneMessage("The following error occurred:\rNo space left on device", "Save Error",
                     MessageIcon::Warning);
    EXPECT_EQ(Contents(path.toStdString()), "the profile saved yesterday\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(ProfileFileCommandsTest, StationWithoutPlusIsReportedAndTheFileWritten) {
    ComputeSample(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    Main().Inputs().txtXS1->setText("0");
    const QString path = PathOf("station.flo");
    SaveAs(path);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.startsWith("The start station needs to be entered"));
    EXPECT_EQ(services.focused, Main().Inputs().txtXS1);
    EXPECT_TRUE(fs::exists(path.toStdString()));
}

TEST_F(ProfileFileCommandsTest, RecentFileItemsOpenTheirFilesAndMoveThemUp) {
    ComputeSample(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    const QString first = PathOf("first.flo");
    SaveAs(first);
    ComputeSample(SampleTexts(ChannelType::UShaped), ChannelType::UShaped, UnitSystem::SI);
    const QString second = PathOf("second.flo");
    SaveAs(second);
    EXPECT_EQ(Main().Menus().mnuLastFileUsed[1]->text(), "&2 " + first);

    Main().Menus().mnuNewProfile->trigger();
    Main().GridWindow().close();  // a hidden view is shown again
    Main().Menus().mnuLastFileUsed[1]->trigger();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(Main().GridWindow().isVisible());
    EXPECT_EQ(Main().State().channelType, ChannelType::Trapezoidal);
    EXPECT_EQ(Main().State().unitSystem, UnitSystem::English);
    EXPECT_EQ(CurrentDocument(Main()).summary.criticalDepth, "1.329");
    EXPECT_EQ(Main().Menus().mnuLastFileUsed[0]->text(), "&1 " + first);
    EXPECT_EQ(Main().Menus().mnuLastFileUsed[1]->text(), "&2 " + second);
}

TEST_F(ProfileFileCommandsTest, DeletedRecentFileStaysListedAndCannotBeOpened) {
    ComputeSample(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    const QString path = PathOf("deleted.flo");
    SaveAs(path);
    fs::remove(path.toStdString());
    const std::vector<QString> before = DocumentOnScreen();
    Main().Menus().mnuLastFileUsed[0]->trigger();
    ExpectOneMessage("File cannot be opened.", "Rillo 2.1", MessageIcon::Warning);
    EXPECT_EQ(DocumentOnScreen(), before);
    EXPECT_TRUE(Main().Menus().mnuLastFileUsed[0]->isVisible());
    EXPECT_EQ(Main().Menus().mnuLastFileUsed[0]->text(), "&1 " + path);
}

TEST_F(ProfileFileCommandsTest, StartUpListsTheStoredRecentFiles) {
    services.settings["Menus/First"] = "/projects/b.flo";
    services.settings["Menus/Second"] = "/projects/a.flo";
    StartProgram();
    EXPECT_TRUE(Main().Menus().mnuSeparator1->isVisible());
    EXPECT_EQ(Main().Menus().mnuLastFileUsed[0]->text(), "&1 /projects/b.flo");
    EXPECT_EQ(Main().Menus().mnuLastFileUsed[1]->text(), "&2 /projects/a.flo");
    EXPECT_FALSE(Main().Menus().mnuLastFileUsed[2]->isVisible());
}

TEST_F(ProfileFileCommandsTest, FileFromTheCommandLineOpensWithTheSameTexts) {
    std::ostringstream out, err;
    const int status = cli::RunCli(
        {"profile",  "--shape", "elongated", "--units", "si",          "--start",  "0+00.000", "--end",
         "2+50.000", "--flow",  "5",         "--width", "2",           "--n",      "0.013",    "--slope",
         "0.001",    "--side",  "1",         "--name",  "Storm drain", "--format", "flo"},
        out, err);
    ASSERT_EQ(status, 0) << err.str();
    const QString path = PathOf("scripted.flo");
    std::ofstream(path.toStdString(), std::ios::binary) << out.str();
    OpenFrom(path);
    EXPECT_TRUE(services.messages.empty());

    ProfileDocument expected = ComputeSampleDocument(SampleTexts(ChannelType::ElongatedCircular),
                                                     ChannelType::ElongatedCircular, UnitSystem::SI);
    const ProfileDocument opened = CurrentDocument(Main());
    EXPECT_EQ(opened.channelType, ChannelType::ElongatedCircular);
    EXPECT_EQ(opened.unitSystem, UnitSystem::SI);
    EXPECT_EQ(opened.channelName, "Storm drain");
    EXPECT_EQ(opened.startStation, expected.startStation);
    EXPECT_EQ(opened.endStation, expected.endStation);
    EXPECT_EQ(opened.flowrate, expected.flowrate);
    EXPECT_EQ(opened.sideSlopeOrHeight, expected.sideSlopeOrHeight);
    EXPECT_EQ(opened.controlDepth, expected.controlDepth);
    EXPECT_EQ(opened.summary.criticalDepth, expected.summary.criticalDepth);
    ASSERT_EQ(opened.table.size(), expected.table.size());
    for (std::size_t i = 0; i < expected.table.size(); ++i) {
        for (int col = 0; col < kFroudeColumn; ++col) {
            EXPECT_EQ(opened.table[i].cells[col], expected.table[i].cells[col]);
        }
    }
}

}  // namespace
}  // namespace rillo
