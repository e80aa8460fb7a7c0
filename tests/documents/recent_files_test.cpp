#include "documents/recent_files.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <memory>

#include "tests/support/fake_platform_services.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;

// The File menu's recent-file part, as the main window builds it: a hidden
// separator and four hidden items.
class RecentFilesTest : public ::testing::Test {
   protected:
    void SetUp() override {
        menu_.separator = file_.addSeparator();
        menu_.separator->setVisible(false);
        for (QAction*& item : menu_.items) {
            item = file_.addAction(QString());
            item->setVisible(false);
        }
    }

    void Store(const QString& key, const QString& path) { services.settings["Menus/" + key] = path; }
    QString Stored(const QString& key) const { return services.settings.value("Menus/" + key); }
    std::vector<QString> StoredList() const {
        return {Stored("First"), Stored("Second"), Stored("Third"), Stored("Fourth")};
    }
    int ShownItems() const {
        int shown = 0;
        for (QAction* item : menu_.items) shown += item->isVisible() ? 1 : 0;
        return shown;
    }

    FakePlatformServices services;
    QMenu file_;
    RecentFileMenu menu_;
};

TEST_F(RecentFilesTest, FirstRunShowsNoItemAndNoSeparator) {
    LoadRecentFiles(services, menu_);
    EXPECT_EQ(ShownItems(), 0);
    EXPECT_FALSE(menu_.separator->isVisible());
}

TEST_F(RecentFilesTest, StoredPathsAreShownWithTheirNumbers) {
    Store("First", "/work/b.flo");
    Store("Second", "/work/a.flo");
    LoadRecentFiles(services, menu_);
    EXPECT_TRUE(menu_.separator->isVisible());
    EXPECT_EQ(ShownItems(), 2);
    EXPECT_EQ(menu_.items[0]->text(), "&1 /work/b.flo");
    EXPECT_EQ(menu_.items[1]->text(), "&2 /work/a.flo");
    EXPECT_EQ(RecentFilePath(*menu_.items[1]), "/work/a.flo");
}

TEST_F(RecentFilesTest, EntriesAfterAnEmptyKeyAreNotShown) {
    Store("First", "/work/a.flo");
    Store("Third", "/work/c.flo");
    Store("Fourth", "/work/d.flo");
    LoadRecentFiles(services, menu_);
    EXPECT_EQ(ShownItems(), 1);
    EXPECT_FALSE(menu_.items[2]->isVisible());
}

TEST_F(RecentFilesTest, NewestFirstAndTheFifthDistinctFileDropsTheOldest) {
    for (const char* path : {"/p/1.flo", "/p/2.flo", "/p/3.flo", "/p/4.flo"})
        AddRecentFile(services, menu_, path);
    EXPECT_EQ(StoredList(), (std::vector<QString>{"/p/4.flo", "/p/3.flo", "/p/2.flo", "/p/1.flo"}));
    AddRecentFile(services, menu_, "/p/5.flo");
    EXPECT_EQ(StoredList(), (std::vector<QString>{"/p/5.flo", "/p/4.flo", "/p/3.flo", "/p/2.flo"}));
    EXPECT_EQ(ShownItems(), 4);
    EXPECT_EQ(menu_.items[3]->text(), "&4 /p/2.flo");
}

TEST_F(RecentFilesTest, ReopeningTheThirdMovesItUpAndKeepsTheOthersInOrder) {
    for (const char* path : {"/p/d.flo", "/p/c.flo", "/p/b.flo", "/p/a.flo"})
        AddRecentFile(services, menu_, path);
    AddRecentFile(services, menu_, "/p/c.flo");
    EXPECT_EQ(StoredList(), (std::vector<QString>{"/p/c.flo", "/p/a.flo", "/p/b.flo", "/p/d.flo"}));
    EXPECT_EQ(menu_.items[0]->text(), "&1 /p/c.flo");
    EXPECT_EQ(menu_.items[1]->text(), "&2 /p/a.flo");
}

TEST_F(RecentFilesTest, PathsThatDifferInLetterCaseAreTwoEntries) {
    AddRecentFile(services, menu_, "/p/Reach.flo");
    AddRecentFile(services, menu_, "/p/reach.flo");
    EXPECT_EQ(StoredList(), (std::vector<QString>{"/p/reach.flo", "/p/Reach.flo", "", ""}));
    EXPECT_EQ(ShownItems(), 2);
}

TEST_F(RecentFilesTest, AnAmpersandInThePathIsShownAndOpenedAsItself) {
    AddRecentFile(services, menu_, "/p/Smith & Sons.flo");
    EXPECT_EQ(menu_.items[0]->text(), "&1 /p/Smith && Sons.flo");
    EXPECT_EQ(RecentFilePath(*menu_.items[0]), "/p/Smith & Sons.flo");
}

}  // namespace
}  // namespace rillo
