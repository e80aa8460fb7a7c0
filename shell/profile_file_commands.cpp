#include "shell/profile_file_commands.h"

#include <QFile>
#include <exception>
#include <optional>

#include "documents/document_texts.h"
#include "documents/format/profile_completeness.h"
#include "documents/format/profile_file_reader.h"
#include "documents/format/profile_file_writer.h"
#include "engine/float_guard.h"
#include "engine/stationing.h"
#include "shell/channel_type_commands.h"
#include "platform/error_messages.h"
#include "shell/mdi_main.h"
#include "platform/platform_services.h"
#include "shell/unit_commands.h"

namespace rillo {

namespace {

const QString kFlowProfileFilter = QStringLiteral("Flow Profile (*.flo)|*.flo");

std::filesystem::path NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The reach length is written to the file; a station not in standard notation
// is reported as Compute reports it, and the file is written with a length of 0.
void ReportStationNotation(MDIMain& main, const ProfileDocument& document) {
    const StationProblem problem = CheckStationNotation(document.startStation, document.endStation);
    if (problem == StationProblem::None) return;
    main.Services().ShowMessage(QString::fromStdString(StationNotationMessage(problem)), kApplicationTitle,
                                MessageIcon::Information);
    main.Services().SetFocus(problem == StationProblem::StartNotInNotation ? main.Inputs().txtXS1
                                                                           : main.Inputs().txtXS2);
}

void ShowSaveError(MDIMain& main, const std::string& description) {
    ShowSystemError(main.Services(), QStringLiteral("Save Error"),
                    QStringLiteral("The following error occurred:"), QString::fromStdString(description));
}

// Steps 3 to 5 of New: the views shown, the fields, the table and the results emptied.
void EmptyDocument(MDIMain& main) {
    main.ShowDocumentViews();
    for (QLineEdit* field : main.Inputs().Fields()) field->clear();
    main.Grid().ClearProfileTable();
    main.Results().ClearProfileSummary();
}

}  // namespace

ProfileDocument CurrentDocument(MDIMain& main) {
    ProfileDocument document = ReadDocumentTexts(main.Inputs(), main.Results(), main.Grid());
    const AppState& state = main.State();
    document.channelType = state.channelType;
    document.unitSystem = state.unitSystem;
    document.channelName = state.channelName.toStdString();
    return document;
}

RecentFileMenu RecentFileMenuOf(MDIMain& main) {
    return {main.Menus().mnuSeparator1, main.Menus().mnuLastFileUsed};
}

void SaveProfile(MDIMain& main, FileSystemIo& io) {
    PlatformServices& services = main.Services();
    main.ShowHiddenViews();
    if (!ProfileIsComplete(CurrentDocument(main))) {
        services.ShowMessage(
            QStringLiteral(
                "You must enter all of the required inputs and calculate a profile before saving."),
            QStringLiteral("Saving Error"), MessageIcon::Information);
        return;
    }
    std::optional<QString> path =
        services.AskSavePath({main.State().currentFilePath, kFlowProfileFilter, QStringLiteral("flo")});
    if (!path) return;
    services.ProcessPendingEvents();
    WaitCursor wait(services);
    WriteProfileFile(main, *path, io);
}

bool WriteProfileFile(MDIMain& main, const QString& path, FileSystemIo& io) {
    PlatformServices& services = main.Services();
    main.State().currentFilePath = path;
    WaitCursor wait(services);
    const ProfileDocument document = CurrentDocument(main);
    ReportStationNotation(main, document);
    std::string text;
    try {
        text = ProfileFileText(document);
    } catch (const ComputationError& e) {
        ShowSaveError(main, e.what());
        return false;
    }
    if (std::optional<std::string> error = WriteFileAtomically(NativePath(path), text, io)) {
        ShowSaveError(main, *error);
        return false;
    }
    AddRecentFile(services, RecentFileMenuOf(main), path);
    return true;
}

void OpenProfile(MDIMain& main) {
    PlatformServices& services = main.Services();
    std::optional<QString> path = services.AskOpenPath({QString(), kFlowProfileFilter, QString()});
    if (!path) return;
    services.ProcessPendingEvents();
    WaitCursor wait(services);
    main.ShowDocumentViews();
    ReadProfileFile(main, *path);
}

bool ReadProfileFile(MDIMain& main, const QString& path) {
    PlatformServices& services = main.Services();
    std::optional<WaitCursor> wait(std::in_place, services);
    const ProfileReadResult read = ReadProfileFile(NativePath(path));
    // A file that cannot be read changes nothing: emptying the document would
    // only lose work that may not have been saved.
    if (!read.ok()) {
        wait.reset();
        const OpenRefusal refusal = OpenRefusalOf(read.status);
        services.ShowMessage(QString::fromStdString(refusal.text),
                             refusal.title.empty() ? kApplicationTitle : QString::fromStdString(refusal.title),
                             MessageIcon::Warning);
        return false;
    }

    main.State().currentFilePath = path;
    const ProfileDocument& document = read.document;
    SelectChannelType(main, document.channelType);
    SetUnitSystem(main, document.unitSystem);
    main.State().channelName = QString::fromStdString(document.channelName);
    main.ShowCaptionWithChannelName();
    // Every text comes from the file; the profile type, which no file keeps,
    // is emptied rather than left from the profile before.
    WriteDocumentTexts(document, main.Inputs(), main.Results(), main.Grid());
    if (UsesSideInput(document.channelType)) main.Inputs().txtSlope->setEnabled(true);
    AddRecentFile(services, RecentFileMenuOf(main), path);
    return true;
}

void OpenRecentFile(MDIMain& main, int index) {
    const QAction* item = main.Menus().mnuLastFileUsed.at(static_cast<std::size_t>(index));
    const QString path = RecentFilePath(*item);
    try {
        main.ShowDocumentViews();
        ReadProfileFile(main, path);
    } catch (const std::exception&) {
        EmptyDocument(main);
        main.Services().ShowMessage(QStringLiteral("Cannot find ") + path, QStringLiteral("Rillo"),
                                    MessageIcon::Warning);
    }
}

}  // namespace rillo
