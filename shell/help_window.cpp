#include "shell/help_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

#include "documents/window_layout.h"
#include "platform/platform_services.h"
#include "platform/screen_placement.h"
#include "platform/twips.h"
#include "shell/help_browser.h"
#include "shell/help_commands.h"
#include "shell/help_search_query.h"

namespace rillo {

namespace {

const QString kNamespace = QStringLiteral("com.quillbeck.rillo2");
const QString kMainWindowPage = QStringLiteral("main-window");
const QString kFirstPage = QStringLiteral("index");
constexpr QSize kDefaultSize(1100, 760);
constexpr QSize kSmallestSize(420, 300);

// The placement in twips; its default, centred on the screen, is known only at run time.
const PlacementSettings kHelpPlacement{{kPlacementSection, "HelpL", 0},
                                       {kPlacementSection, "HelpT", 0},
                                       Setting<int>{kPlacementSection, "HelpW", 0},
                                       Setting<int>{kPlacementSection, "HelpH", 0}};

}  // namespace

QUrl HelpPageUrl(const QString& pageId) {
    return QUrl(QStringLiteral("qthelp://%1/doc/%2.html").arg(kNamespace, pageId));
}

HelpWindow::HelpWindow(PlatformServices& services, const QString& collectionFile)
    : services_(services), engine_(collectionFile, this) {
    setObjectName("frmHelp");
    setWindowTitle(kHelpWindowTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);

    engine_.setReadOnly(false);
    if (!engine_.setupData()) {
        problem_ = engine_.error();
    } else if (!engine_.registeredDocumentations().contains(kNamespace) ||
               engine_.fileData(HelpPageUrl(kFirstPage)).isEmpty()) {
        problem_ = QStringLiteral("The help collection %1 holds no user guide.").arg(collectionFile);
    }

    browser_ = new HelpBrowser(engine_, this);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::OpenLink);
    // The page as it changes: the browser's source() still names the old one here.
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectPageInContents);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabHelp");
    BuildContentsTab();
    BuildIndexTab();
    BuildSearchTab();

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({320, kDefaultSize.width() - 320});
    setCentralWidget(splitter);

    QToolBar* toolbar = addToolBar(QStringLiteral("Navigation"));
    toolbar->setObjectName("helpToolbar");
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"));
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    forward_ = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Forward"));
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setEnabled(false);
    home_ = toolbar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Home"));
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home_, &QAction::triggered, this, [this] { ShowUrl(HelpPageUrl(kFirstPage)); });
    auto* closeHelp = new QAction(QStringLiteral("Close"), this);
    closeHelp->setObjectName("helpClose");
    // Escape is a key press (below), which the fields see first.
    closeHelp->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    closeHelp->setShortcutContext(Qt::WindowShortcut);
    addAction(closeHelp);
    connect(closeHelp, &QAction::triggered, this, &HelpWindow::CloseHelp);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);

    if (problem_.isEmpty()) engine_.searchEngine()->scheduleIndexDocumentation();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::BuildContentsTab() {
    QHelpContentWidget* contents = engine_.contentWidget();
    contents->setObjectName("helpContents");
    contents->setHeaderHidden(true);
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowUrl);
    // The tree is built in the background; once it stands, open it fully and
    // mark the page on show.
    connect(engine_.contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandAll();
        SelectPageInContents(browser_->source());
    });
    tabs_->addTab(contents, QStringLiteral("&Contents"));
}

void HelpWindow::BuildIndexTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(QStringLiteral("&Look for:"), page);
    indexField_ = new QLineEdit(page);
    indexField_->setObjectName("helpIndexField");
    indexField_->setClearButtonEnabled(true);
    label->setBuddy(indexField_);
    QHelpIndexWidget* index = engine_.indexWidget();
    index->setObjectName("helpIndex");
    layout->addWidget(label);
    layout->addWidget(indexField_);
    layout->addWidget(index, 1);
    connect(indexField_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexField_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { ShowUrl(document.url); });
    // Each keyword of the guide has one page; should one get more, the first serves.
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty()) ShowUrl(documents.constFirst().url);
            });
    tabs_->addTab(page, QStringLiteral("&Index"));
}

void HelpWindow::BuildSearchTab() {
    QHelpSearchEngine* search = engine_.searchEngine();
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName("helpSearchQuery");
    QHelpSearchResultWidget* results = search->resultWidget();
    results->setObjectName("helpSearchResults");
    searchStatus_ = new QLabel(page);
    searchStatus_->setObjectName("helpSearchStatus");
    searchStatus_->setWordWrap(true);
    layout->addWidget(query);
    layout->addWidget(searchStatus_);
    layout->addWidget(results, 1);
    // A search before the index stands would find nothing; the index is
    // brought up to date each time the window opens.
    query->setEnabled(false);
    searchStatus_->setText(QStringLiteral("Building the search index..."));
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(HelpSearchQuery(query->searchInput())); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::ShowUrl);
    connect(search, &QHelpSearchEngine::indexingStarted, this, [this, query] {
        query->setEnabled(false);
        searchStatus_->setText(QStringLiteral("Building the search index..."));
    });
    connect(search, &QHelpSearchEngine::indexingFinished, this, [this, query] {
        query->setEnabled(true);
        searchStatus_->clear();
    });
    tabs_->addTab(page, QStringLiteral("&Search"));
}

void HelpWindow::ShowContents() {
    tabs_->setCurrentIndex(ContentsTab);
    ShowPage(kMainWindowPage);
}

void HelpWindow::ShowIndex() {
    tabs_->setCurrentIndex(IndexTab);
    if (browser_->source().isEmpty()) ShowUrl(HelpPageUrl(kFirstPage));
    Present();
    indexField_->setFocus(Qt::OtherFocusReason);
    indexField_->selectAll();
}

void HelpWindow::ShowPage(const QString& pageId) {
    if (!ShowUrl(HelpPageUrl(pageId))) ShowUrl(HelpPageUrl(kFirstPage));
}

bool HelpWindow::ShowUrl(const QUrl& url) {
    QUrl file = url;
    file.setFragment(QString());
    if (!problem_.isEmpty() || engine_.fileData(file).isEmpty()) return false;
    if (browser_->source() != url) browser_->setSource(url);
    Present();
    return true;
}

void HelpWindow::OpenLink(const QUrl& link) {
    const QUrl url = browser_->source().resolved(link);
    if (url.scheme() == QLatin1String("qthelp")) {
        ShowUrl(url);
    } else {
        OpenWebPageOrShowAddress(services_, url.toString(), kHelpWindowTitle,
                                 QStringLiteral("this page"));
    }
}

void HelpWindow::SelectPageInContents(QUrl page) {
    QHelpContentWidget* contents = engine_.contentWidget();
    page.setFragment(QString());
    const QModelIndex index = contents->indexOf(page);
    if (index.isValid()) contents->setCurrentIndex(index);
}

void HelpWindow::Present() {
    if (!placed_) Place();
    FollowModalWindow();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

// A modal window blocks every window that is not its own; so help is tied to
// the modal window on top while there is one, and each time that changes (a
// modal window opens above it, or the one it is tied to closes while another
// stays open) it is tied afresh. Left tied to a modal window that has closed,
// it would be blocked by the one below until that closed too.
void HelpWindow::FollowModalWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this) modal = nullptr;
    QWindow* owner = nullptr;
    if (modal) {
        modal->window()->winId();
        owner = modal->window()->windowHandle();
    }
    winId();
    QWindow* handle = windowHandle();
    if (!handle || (handle->transientParent() == owner && owner_ == owner)) return;
    // A message of the help window itself blocks it, as it should; tied to
    // its own message, the help would make a loop of owners.
    for (QWindow* above = owner; above; above = above->transientParent()) {
        if (above == handle) return;
    }
    if (owner_) disconnect(owner_, nullptr, this, nullptr);
    owner_ = owner;
    handle->setTransientParent(owner);
    if (owner) {
        // Queued: while the window closes, Qt still counts it as modal.
        connect(owner, &QWindow::visibleChanged, this, [this](bool visible) {
            if (!visible) QMetaObject::invokeMethod(this, &HelpWindow::FollowModalWindow, Qt::QueuedConnection);
        });
        connect(owner, &QObject::destroyed, this, [this] {
            QMetaObject::invokeMethod(this, &HelpWindow::FollowModalWindow, Qt::QueuedConnection);
        });
    }
}

bool HelpWindow::event(QEvent* event) {
    // A modal window opened after help (a calculator's message, a dialog from
    // Plot) blocks it: tie it to that one, once the blocking is done.
    if (event->type() == QEvent::WindowBlocked && isVisible()) {
        QMetaObject::invokeMethod(this, &HelpWindow::FollowModalWindow, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void HelpWindow::Place() {
    placed_ = true;
    const QList<QRect> areas = services_.AvailableScreenAreas();
    const QRect area = areas.isEmpty() ? QRect(0, 0, 1024, 768) : areas.front();
    // Room is left for the window frame, which is not known before the window shows.
    const QSize size = kDefaultSize.boundedTo(area.size() * 0.85);
    const QRect fallback(
        area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2),
        size);
    const QRect defaults(PixelsToTwips(fallback.x()), PixelsToTwips(fallback.y()), PixelsToTwips(fallback.width()),
                         PixelsToTwips(fallback.height()));
    QRect stored = StoredPlacement(services_, kHelpPlacement, defaults);
    stored.setSize(stored.size().expandedTo(kSmallestSize));
    // Off every screen, help comes back centred at its default size, its frame in view.
    RestorePlacement(*this, KeepReachable(stored, areas) == stored ? stored : fallback, areas);
}

void HelpWindow::StorePlacement() {
    if (placed_) rillo::StorePlacement(*this, kHelpPlacement, services_);
}

void HelpWindow::CloseHelp() {
    if (isVisible()) close();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Reached when no field had a use for the key.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CloseHelp();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    try {
        StorePlacement();
    } catch (...) {
        // A placement that cannot be stored is not worth a message.
    }
    event->accept();
}

}  // namespace rillo
