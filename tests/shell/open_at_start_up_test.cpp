// A profile file named on the command line opens once the program has started,
// as File, Open would; a file it refuses leaves the empty profile.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "documents/frm_main_inputs.h"
#include "shell/start_up.h"
#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

const QString kWorkedExample =
    QDir::cleanPath(RILLO_TEST_DATA "/../../fuzz/seeds/trapezoid_worked_example.flo");

class OpenAtStartUp : public testing::MainWindowTest {
   protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previousFolder = QDir::currentPath();
    }
    void TearDown() override {
        QDir::setCurrent(previousFolder);
        MainWindowTest::TearDown();
    }

    QTemporaryDir folder;
    QString previousFolder;
};

TEST_F(OpenAtStartUp, ARelativePathOpensAndIsRememberedInFull) {
    ASSERT_TRUE(QFile::copy(kWorkedExample, folder.filePath("reach.flo")));
    StartProgram();
    QDir::setCurrent(folder.path());
    OpenFileGivenAtStartUp(Main(), "reach.flo");

    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Inputs().txtQ->text(), "100");
    EXPECT_EQ(Main().State().currentFilePath, folder.filePath("reach.flo"));
    // The recent-files list must reopen it from any folder.
    EXPECT_EQ(services.settings.value("Menus/First"), folder.filePath("reach.flo"));
    EXPECT_TRUE(Inputs().isVisible());
}

struct RefusedFile {
    const char* name;
    std::function<QString(const QTemporaryDir&)> make;  // returns the path to give
    const char* message;
};

class OpenAtStartUpRefused : public OpenAtStartUp, public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(OpenAtStartUpRefused, ShowsTheMessageAndStartsEmpty) {
    if (std::string(GetParam().name) == "Unreadable" && ::geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    const QString path = GetParam().make(folder);
    ASSERT_FALSE(path.isEmpty());
    StartProgram();
    OpenFileGivenAtStartUp(Main(), path);

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text.toStdString(), GetParam().message);
    EXPECT_EQ(services.waitDepth, 0);
    EXPECT_TRUE(Inputs().txtQ->text().isEmpty());
    EXPECT_TRUE(Main().State().currentFilePath.isEmpty());
    EXPECT_EQ(Main().windowTitle(), "Rillo 2.1");
    EXPECT_TRUE(services.settings.value("Menus/First").isEmpty());
}

QString Write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return file.fileName();
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenAtStartUpRefused,
    ::testing::Values(RefusedFile{"Missing", [](const auto& d) { return d.filePath("none.flo"); },
                                  "File cannot be opened."},
                      RefusedFile{"Folder", [](const auto& d) { return d.path(); }, "File cannot be opened."},
                      RefusedFile{"Empty", [](const auto& d) { return Write(d, "empty.flo", {}); },
                                  "File cannot be opened."},
                      RefusedFile{"Fifo",
                                  [](const auto& d) {
                                      const QString fifo = d.filePath("pipe.flo");
                                      return ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0
                                                 ? fifo
                                                 : QString();
                                  },
                                  "File cannot be opened."},
                      RefusedFile{"NotAProfile",
                                  [](const auto& d) {
                                      return Write(d, "photo.flo", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
                                  },
                                  "Unknown channel type. Cannot open file."},
                      RefusedFile{"Unreadable",
                                  [](const auto& d) {
                                      const QString path = d.filePath("locked.flo");
                                      QFile::copy(kWorkedExample, path);
                                      ::chmod(QFile::encodeName(path).constData(), 0);
                                      return path;
                                  },
                                  "File cannot be opened."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rillo
