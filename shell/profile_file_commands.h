#pragma once

#include <QString>

#include "documents/format/atomic_file_writer.h"
#include "documents/format/profile_document.h"
#include "documents/recent_files.h"

namespace rillo {

class MDIMain;

// The whole document: the texts of the three views, with the channel type,
// unit system and channel name that live outside them.
ProfileDocument CurrentDocument(MDIMain& main);

// The File menu's recent-file items.
RecentFileMenu RecentFileMenuOf(MDIMain& main);

// The Save command: checks that a complete profile exists, asks for the path
// (the current file path proposed) and writes the file there.
void SaveProfile(MDIMain& main, FileSystemIo& io = SystemFileSystemIo());

// Writes the current document to the path, replacing an existing file only
// once every line is written; a failure shows "Save Error" with the system's
// description and leaves the old file as it was. On success the path goes to
// the top of the recent files. Returns whether the file was written.
bool WriteProfileFile(MDIMain& main, const QString& path, FileSystemIo& io = SystemFileSystemIo());

// The Open command: asks for a file and reads it.
void OpenProfile(MDIMain& main);

// Replaces the document by the file's content: channel type, unit system,
// channel name, inputs, summary and the first seven table columns, and the
// path becomes the current file path. A file that cannot be read leaves the
// document, its caption and the current file path as they were, after its
// message. Returns whether the file was read.
bool ReadProfileFile(MDIMain& main, const QString& path);

// The command of recent-file item `index` (0 to 3): opens its file.
void OpenRecentFile(MDIMain& main, int index);

}  // namespace rillo
