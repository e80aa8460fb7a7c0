#pragma once

#include <QHelpEngine>
#include <QMainWindow>
#include <QPointer>
#include <QWindow>
#include <QUrl>

class QLabel;
class QLineEdit;
class QTabWidget;

namespace rillo {

class HelpBrowser;
class PlatformServices;

// The address of a page of the user guide, named as its file without
// ".html": "weir-calculator" is qthelp://com.quillbeck.rillo2/doc/weir-calculator.html.
QUrl HelpPageUrl(const QString& pageId);

// The help window, "<product> Help": the user guide with its contents tree, its
// index of keywords and a full-text search beside the page, with back,
// forward and home. It keeps its placement between runs, brought back onto a
// screen of the services' list when stored off every one, and stays usable whatever
// modal window of the program opens or closes. Escape and Ctrl+W close it.
class HelpWindow : public QMainWindow {
    Q_OBJECT
   public:
    enum Tab { ContentsTab, IndexTab, SearchTab };

    // Opens the collection, which must be writable (the search index is kept
    // beside it); Problem() tells whether that worked.
    HelpWindow(PlatformServices& services, const QString& collectionFile);
    ~HelpWindow() override;

    // Why the guide cannot be shown; empty when it can.
    QString Problem() const { return problem_; }

    // Contents tab, at the page of the main window.
    void ShowContents();
    // Index tab, with the cursor in its keyword field.
    void ShowIndex();
    // The page of a window; the guide's first page when there is no such page.
    void ShowPage(const QString& pageId);
    // Shows a page of the guide (a fragment scrolls to its anchor); false
    // when the guide has no such page.
    bool ShowUrl(const QUrl& url);
    // Stores the placement and closes the window.
    void CloseHelp();

    QHelpEngine& Engine() { return engine_; }
    HelpBrowser* Browser() const { return browser_; }
    QTabWidget* Tabs() const { return tabs_; }
    QLineEdit* IndexField() const { return indexField_; }
    QAction* BackAction() const { return back_; }
    QAction* ForwardAction() const { return forward_; }
    QAction* HomeAction() const { return home_; }

   protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

   private:
    void BuildContentsTab();
    void BuildIndexTab();
    void BuildSearchTab();
    void OpenLink(const QUrl& link);
    void SelectPageInContents(QUrl page);
    void Present();
    void FollowModalWindow();
    void Place();
    void StorePlacement();

    PlatformServices& services_;
    QHelpEngine engine_;
    QString problem_;
    HelpBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* indexField_ = nullptr;
    QLabel* searchStatus_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
    QAction* home_ = nullptr;
    bool placed_ = false;
    // The modal window the help is tied to while that is open.
    QPointer<QWindow> owner_;
};

}  // namespace rillo
