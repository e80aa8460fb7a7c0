#pragma once

#include <QAction>
#include <QString>
#include <array>

namespace rillo {

class PlatformServices;

// The File menu's recent-file items: the separator above them and the four
// items, most recent first.
struct RecentFileMenu {
    QAction* separator = nullptr;
    std::array<QAction*, 4> items{};
};

// The four stored paths, most recent first; a missing one reads as empty.
std::array<QString, 4> ReadRecentFiles(PlatformServices& services);

// Shows the paths in the menu, "&1 " to "&4 " before each, down to the first
// empty one; the separator shows with the first item. Items shown before stay
// shown. Each item keeps its path as its data.
void ShowRecentFiles(const std::array<QString, 4>& paths, const RecentFileMenu& menu);

// Reads the stored list and shows it in the menu.
void LoadRecentFiles(PlatformServices& services, const RecentFileMenu& menu);

// Puts the path at the top of the list (a path already in it moves up; paths
// are compared exactly, letter case included), drops the fifth, stores the
// list and shows it.
void AddRecentFile(PlatformServices& services, const RecentFileMenu& menu, const QString& path);

// The path that a recent-file item opens.
QString RecentFilePath(const QAction& item);

}  // namespace rillo
