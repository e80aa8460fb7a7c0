// The pictures and the desktop files that make the program at home on a
// desktop: crisp at any scaling, and naming each other consistently.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QToolBar>

#include "shell/main_menus.h"
#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

const QString kPackaging = QDir::cleanPath(RILLO_TEST_DATA "/../../packaging") + "/";

QString ReadText(const QString& name) {
    QFile file(kPackaging + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A picture that was drawn has both ink and a transparent background; a
// missing or unreadable one comes out empty or blank.
bool HasOpaqueAndClearPixels(const QImage& image) {
    bool opaque = false, clear = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            opaque = opaque || alpha == 255;
            clear = clear || alpha == 0;
        }
    return opaque && clear;
}

class ToolbarPictures : public testing::MainWindowTest {};

TEST_F(ToolbarPictures, EveryButtonIsDrawnAtTwiceItsSize) {
    StartProgram();
    QList<QAction*> buttons = Main().Menus().Toolbar->actions();
    buttons.removeIf([](const QAction* a) { return a->isSeparator(); });
    ASSERT_EQ(buttons.size(), 15);
    for (QAction* button : buttons) {
        SCOPED_TRACE(button->toolTip().toStdString());
        // A picture drawn for 48 device pixels, as a 200% screen asks for.
        const QImage picture = button->icon().pixmap(QSize(24, 24), 2.0).toImage();
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), QSize(48, 48));
        EXPECT_TRUE(HasOpaqueAndClearPixels(picture));
    }
    EXPECT_FALSE(Main().windowIcon().pixmap(QSize(256, 256)).isNull());
}

TEST(DesktopFiles, NameOneAnother) {
    const QString desktop = ReadText("com.quillbeck.Rillo.desktop");
    const QString mime = ReadText("com.quillbeck.Rillo.xml");
    const QString metainfo = ReadText("com.quillbeck.Rillo.metainfo.xml");
    ASSERT_FALSE(desktop.isEmpty() || mime.isEmpty() || metainfo.isEmpty());

    // A file opened from the file manager arrives as the one file argument.
    EXPECT_TRUE(desktop.contains(QRegularExpression("^Exec=rillo %f$", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(desktop.contains("\nIcon=com.quillbeck.Rillo\n"));
    EXPECT_TRUE(desktop.contains("\nCategories=Science;Engineering;\n"));
    EXPECT_TRUE(desktop.contains("\nMimeType=application/x-rillo-flow-profile;\n"));
    EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-rillo-flow-profile\">"));
    EXPECT_TRUE(mime.contains("<comment>Rillo flow profile</comment>"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.flo\"/>"));
    EXPECT_TRUE(
        metainfo.contains("<launchable type=\"desktop-id\">com.quillbeck.Rillo.desktop</launchable>"));
    EXPECT_TRUE(metainfo.contains("<mediatype>application/x-rillo-flow-profile</mediatype>"));
    EXPECT_TRUE(metainfo.contains("<release version=\"2.1\""));
    EXPECT_TRUE(QFile::exists(kPackaging + "com.quillbeck.Rillo.svg"));
}

}  // namespace
}  // namespace rillo
