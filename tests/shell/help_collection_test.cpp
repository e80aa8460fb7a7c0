#include "shell/help_collection.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace rillo {
namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void InstallGuide(const QString& folder, const QByteArray& version) {
    WriteFile(QDir(folder).filePath("rillo2.qhc"), "collection " + version);
    WriteFile(QDir(folder).filePath("rillo2.qch"), "documentation " + version);
}

TEST(HelpCollectionTest, IsFoundBesideTheProgramElseInItsShareFolder) {
    QTemporaryDir root;
    const QString bin = root.filePath("bin");
    QDir().mkpath(bin);
    EXPECT_EQ(FindInstalledHelpCollection(bin), "");

    InstallGuide(root.filePath("share/rillo"), "shared");
    EXPECT_EQ(FindInstalledHelpCollection(bin),
              QDir(root.filePath("share/rillo")).absoluteFilePath("rillo2.qhc"));

    InstallGuide(bin, "beside");
    EXPECT_EQ(FindInstalledHelpCollection(bin), QDir(bin).absoluteFilePath("rillo2.qhc"));

    // A collection without its documentation is no guide.
    QFile::remove(QDir(bin).filePath("rillo2.qch"));
    EXPECT_EQ(FindInstalledHelpCollection(bin),
              QDir(root.filePath("share/rillo")).absoluteFilePath("rillo2.qhc"));
}

// The help engine writes its collection and keeps the search index beside
// it, which an installed, read-only folder would not allow.
TEST(HelpCollectionTest, AWritableCopyIsMadeOnceAndRenewedWhenTheGuideChanges) {
    QTemporaryDir root;
    const QString installed = root.filePath("share/rillo");
    const QString work = root.filePath("home/help");
    InstallGuide(installed, "1");
    for (const char* file : {"rillo2.qhc", "rillo2.qch"}) {
        QFile::setPermissions(QDir(installed).filePath(file),
                              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }

    PreparedHelpCollection copy = PrepareHelpCollection(QDir(installed).filePath("rillo2.qhc"), work);
    ASSERT_TRUE(copy.error.isEmpty()) << copy.error.toStdString();
    EXPECT_EQ(copy.collectionFile, QDir(work).filePath("rillo2.qhc"));
    EXPECT_EQ(ReadFile(copy.collectionFile), "collection 1");
    EXPECT_EQ(ReadFile(QDir(work).filePath("rillo2.qch")), "documentation 1");
    EXPECT_TRUE(QFileInfo(copy.collectionFile).permissions() & QFile::WriteOwner);

    // The engine's own changes to the copy, and its search index, survive the next opening.
    WriteFile(copy.collectionFile, "collection 1, as the engine left it");
    WriteFile(QDir(work).filePath(".rillo2/fts"), "index");
    copy = PrepareHelpCollection(QDir(installed).filePath("rillo2.qhc"), work);
    ASSERT_TRUE(copy.error.isEmpty());
    EXPECT_EQ(ReadFile(copy.collectionFile), "collection 1, as the engine left it");
    EXPECT_TRUE(QFileInfo::exists(QDir(work).filePath(".rillo2/fts")));

    // A new installation brings a new copy and drops the old index.
    QFile::remove(QDir(installed).filePath("rillo2.qch"));
    WriteFile(QDir(installed).filePath("rillo2.qch"), "documentation 2, longer");
    copy = PrepareHelpCollection(QDir(installed).filePath("rillo2.qhc"), work);
    ASSERT_TRUE(copy.error.isEmpty());
    EXPECT_EQ(ReadFile(copy.collectionFile), "collection 1");
    EXPECT_EQ(ReadFile(QDir(work).filePath("rillo2.qch")), "documentation 2, longer");
    EXPECT_FALSE(QFileInfo::exists(QDir(work).filePath(".rillo2")));
}

TEST(HelpCollectionTest, MissingFilesOrAnUnusableFolderAreReportedNotCopied) {
    QTemporaryDir root;
    WriteFile(root.filePath("share/rillo2.qhc"), "collection alone");
    PreparedHelpCollection copy =
        PrepareHelpCollection(root.filePath("share/rillo2.qhc"), root.filePath("work"));
    EXPECT_TRUE(copy.collectionFile.isEmpty());
    EXPECT_TRUE(copy.error.contains("missing")) << copy.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(root.filePath("work/rillo2.qhc")));

    InstallGuide(root.filePath("share"), "1");
    WriteFile(root.filePath("blocked"), "a file where the folder should be");
    copy = PrepareHelpCollection(root.filePath("share/rillo2.qhc"), root.filePath("blocked/help"));
    EXPECT_TRUE(copy.collectionFile.isEmpty());
    EXPECT_FALSE(copy.error.isEmpty());
}

}  // namespace
}  // namespace rillo
