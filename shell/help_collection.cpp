#include "shell/help_collection.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace rillo {

namespace {

const QString kStampFile = QStringLiteral("installed-from.txt");

bool HoldsGuide(const QDir& folder) {
    return QFileInfo(folder.filePath(kHelpCollectionFile)).isFile() &&
           QFileInfo(folder.filePath(kHelpDocumentationFile)).isFile();
}

// What identifies an installed file: its path, size and time of change.
QString Stamp(const QFileInfo& file) {
    return file.absoluteFilePath() + '\t' + QString::number(file.size()) + '\t' +
           QString::number(file.lastModified().toMSecsSinceEpoch()) + '\n';
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Copies `from` to `to` through a temporary file in the target folder.
QString CopyReplacing(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) return source.errorString() + ": " + from;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly)) return target.errorString() + ": " + to;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 16);
        if (chunk.isEmpty() && source.error() != QFile::NoError) return source.errorString() + ": " + from;
        if (target.write(chunk) != chunk.size()) return target.errorString() + ": " + to;
    }
    if (!target.commit()) return target.errorString() + ": " + to;
    // The help engine writes to its collection, whatever the installed mode.
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return {};
}

}  // namespace

QString FindInstalledHelpCollection(const QString& programFolder) {
    const QDir beside(programFolder);
    if (HoldsGuide(beside)) return beside.absoluteFilePath(kHelpCollectionFile);
    const QDir shared(QDir::cleanPath(beside.filePath(QStringLiteral("../share/rillo"))));
    if (HoldsGuide(shared)) return shared.absoluteFilePath(kHelpCollectionFile);
    return {};
}

QString DefaultHelpWorkFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("help"));
}

PreparedHelpCollection PrepareHelpCollection(const QString& installedCollection, const QString& workFolder,
                                             bool renew) {
    const QFileInfo collection(installedCollection);
    const QFileInfo documentation(collection.dir().filePath(kHelpDocumentationFile));
    if (!collection.isFile() || !documentation.isFile()) {
        return {{},
                QStringLiteral("The help files %1 and %2 are missing in %3.")
                    .arg(kHelpCollectionFile, kHelpDocumentationFile,
                         QDir::toNativeSeparators(collection.absolutePath()))};
    }
    const QDir work(workFolder);
    if (!QDir().mkpath(work.absolutePath())) {
        return {{},
                QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(workFolder))};
    }
    const QString copy = work.filePath(kHelpCollectionFile);
    const QString stamp = Stamp(collection) + Stamp(documentation);
    if (!renew && HoldsGuide(work) && ReadText(work.filePath(kStampFile)) == stamp) return {copy, {}};

    // The search index of the old guide lies beside its collection.
    QDir(work.filePath('.' + QFileInfo(kHelpCollectionFile).completeBaseName())).removeRecursively();
    for (const auto& [from, to] :
         {std::pair{documentation.absoluteFilePath(), work.filePath(kHelpDocumentationFile)},
          std::pair{collection.absoluteFilePath(), copy}}) {
        const QString failure = CopyReplacing(from, to);
        if (!failure.isEmpty()) return {{}, failure};
    }
    QSaveFile stampFile(work.filePath(kStampFile));
    if (!stampFile.open(QIODevice::WriteOnly) || stampFile.write(stamp.toUtf8()) < 0 || !stampFile.commit()) {
        return {{}, stampFile.errorString() + ": " + stampFile.fileName()};
    }
    return {copy, {}};
}

}  // namespace rillo
