#pragma once

#include <QString>

namespace rillo {

// The compiled user guide: the help collection and the documentation file it
// registers, installed together.
inline const QString kHelpCollectionFile = QStringLiteral("rillo2.qhc");
inline const QString kHelpDocumentationFile = QStringLiteral("rillo2.qch");

// The installed collection: beside the program, else in ../share/rillo/ from
// the program's folder. Empty when neither holds the two files.
QString FindInstalledHelpCollection(const QString& programFolder);

// The per-user folder the help works in (its copy of the guide and the
// search index): the application's local data folder, "help" below it.
QString DefaultHelpWorkFolder();

struct PreparedHelpCollection {
    QString collectionFile;  // the copy to open; empty on failure
    QString error;           // why there is none
};

// Copies the installed collection and its documentation into `workFolder`,
// where the help engine may write (an installed folder often is read-only),
// and returns the copy. The copy is made once and renewed whenever the
// installed files change; a renewed copy drops the search index of the old
// guide, so that it is built again. Copies are written under temporary names
// and renamed, so a second program copying at the same time finds either the
// old or the new pair. `renew` copies again even when nothing changed, for a
// copy that the help engine could not open.
PreparedHelpCollection PrepareHelpCollection(const QString& installedCollection, const QString& workFolder,
                                             bool renew = false);

}  // namespace rillo
