#include "documents/recent_files.h"

#include "platform/platform_services.h"
#include "platform/setting.h"

namespace rillo {

namespace {

// The paths, most recent first.
const std::array<Setting<QString>, 4> kRecentFiles = {
    Setting<QString>{"Menus", "First", QString()}, Setting<QString>{"Menus", "Second", QString()},
    Setting<QString>{"Menus", "Third", QString()}, Setting<QString>{"Menus", "Fourth", QString()}};

}  // namespace

std::array<QString, 4> ReadRecentFiles(PlatformServices& services) {
    std::array<QString, 4> paths;
    for (std::size_t i = 0; i < paths.size(); ++i)
        paths[i] = kRecentFiles[i].Read(services);
    return paths;
}

void ShowRecentFiles(const std::array<QString, 4>& paths, const RecentFileMenu& menu) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (paths[i].isEmpty()) break;
        QAction* item = menu.items[i];
        if (menu.separator) menu.separator->setVisible(true);
        if (!item) continue;
        // The prefix is the item's access key; an "&" in the path is shown as itself.
        item->setText(QStringLiteral("&%1 ").arg(i + 1) +
                      QString(paths[i]).replace('&', QStringLiteral("&&")));
        item->setData(paths[i]);
        item->setVisible(true);
    }
}

void LoadRecentFiles(PlatformServices& services, const RecentFileMenu& menu) {
    ShowRecentFiles(ReadRecentFiles(services), menu);
}

void AddRecentFile(PlatformServices& services, const RecentFileMenu& menu, const QString& path) {
    std::array<QString, 4> others;
    std::size_t count = 0;
    for (const QString& entry : ReadRecentFiles(services)) {
        if (entry != path && count < others.size()) others[count++] = entry;
    }
    kRecentFiles[0].Write(services, path);
    for (std::size_t i = 1; i < kRecentFiles.size(); ++i) kRecentFiles[i].Write(services, others[i - 1]);
    LoadRecentFiles(services, menu);
}

QString RecentFilePath(const QAction& item) {
    return item.data().toString();
}

}  // namespace rillo
