#include <gtest/gtest.h>

#include <QEventLoop>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

#include "platform/help_key.h"
#include "shell/help_collection.h"
#include "shell/help_commands.h"
#include "shell/help_search_query.h"
#include "shell/help_window.h"

namespace rillo {
namespace {

// Waits for `signal` of `sender`, unless `done` already holds; false after a minute.
template <typename Sender, typename Signal>
bool WaitFor(Sender* sender, Signal signal, const std::function<bool()>& done) {
    if (done()) return true;
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// The user guide as the build compiled it, opened from a copy of its own.
class HelpGuideTest : public ::testing::Test {
   protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        const PreparedHelpCollection copy = PrepareHelpCollection(RILLO_HELP_COLLECTION, folder_->path());
        ASSERT_TRUE(copy.error.isEmpty()) << copy.error.toStdString();
        engine_ = new QHelpEngine(copy.collectionFile);
        engine_->setReadOnly(false);
        ASSERT_TRUE(engine_->setupData()) << engine_->error().toStdString();
        QHelpContentModel* contents = engine_->contentModel();
        ASSERT_TRUE(WaitFor(contents, &QHelpContentModel::contentsCreated, [contents] {
            return !contents->isCreatingContents() && contents->rowCount() > 0;
        }));
    }
    static void TearDownTestSuite() {
        delete engine_;
        delete folder_;
    }

    static QString PageText(const QUrl& url) { return QString::fromUtf8(engine_->fileData(url)); }
    static QStringList Pages() {
        QStringList pages;
        for (const QUrl& url : engine_->files("com.quillbeck.rillo2", QString(), "html"))
            pages << url.toString();
        return pages;
    }
    // Every page of the contents tree, with its title there.
    static void CollectContents(const QModelIndex& parent, QMap<QString, QString>& out) {
        QHelpContentModel* model = engine_->contentModel();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            const QHelpContentItem* item = model->contentItemAt(index);
            out.insert(item->url().toString(), item->title());
            CollectContents(index, out);
        }
    }

    static inline QTemporaryDir* folder_ = nullptr;
    static inline QHelpEngine* engine_ = nullptr;
};

TEST_F(HelpGuideTest, TheContentsHoldEveryPageUnderItsOwnTitle) {
    QMap<QString, QString> contents;
    CollectContents({}, contents);
    ASSERT_GE(contents.size(), 25);
    for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
        const QString html = PageText(QUrl(it.key()));
        ASSERT_FALSE(html.isEmpty()) << it.key().toStdString();
        const QRegularExpressionMatch title = QRegularExpression("<title>(.*)</title>").match(html);
        EXPECT_EQ(title.captured(1), it.value()) << it.key().toStdString();
    }
    QStringList pages = Pages();
    QStringList listed = contents.keys();
    pages.sort();
    listed.sort();
    EXPECT_EQ(pages, listed) << "every page of the guide stands in its contents";
}

// A link that leads nowhere, a picture that cannot be read or an anchor that
// is not there would show as a dead end in the help window.
TEST_F(HelpGuideTest, EveryLinkPictureAndAnchorIsThere) {
    static const QRegularExpression reference(R"re((href|src)="([^"]+)")re");
    static const QRegularExpression anchor(R"re(<a name="([^"]+)")re");
    for (const QString& page : Pages()) {
        const QUrl base(page);
        auto it = reference.globalMatch(PageText(base));
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            const QUrl target = base.resolved(QUrl(match.captured(2)));
            const std::string where = page.toStdString() + " -> " + match.captured(2).toStdString();
            // The one page outside the guide is the support web page.
            if (target.toString() == TechnicalSupportAddress()) continue;
            ASSERT_EQ(target.scheme(), "qthelp") << where;
            QUrl file = target;
            file.setFragment({});
            const QByteArray data = engine_->fileData(file);
            ASSERT_FALSE(data.isEmpty()) << where;
            if (match.captured(1) == "src") {
                EXPECT_FALSE(QImage::fromData(data).isNull()) << where;
            }
            if (target.hasFragment()) {
                QStringList names;
                auto a = anchor.globalMatch(QString::fromUtf8(data));
                while (a.hasNext()) names << a.next().captured(1);
                EXPECT_TRUE(names.contains(target.fragment())) << where;
            }
        }
    }
}

TEST_F(HelpGuideTest, TheIndexFindsItsKeywordsEachOnOnePageThatExists) {
    for (const char* keyword :
         {"critical depth", "Manning", "weir", "station", "Froude number", "side slope"}) {
        const QList<QHelpLink> documents = engine_->documentsForKeyword(keyword);
        ASSERT_EQ(documents.size(), 1) << keyword;
        QUrl file = documents.front().url;
        file.setFragment({});
        EXPECT_FALSE(engine_->fileData(file).isEmpty()) << keyword;
    }
    const QHelpIndexModel* index = engine_->indexModel();
    ASSERT_TRUE(WaitFor(index, &QHelpIndexModel::indexCreated,
                        [index] { return !index->isCreatingIndex() && index->rowCount() > 0; }));
    for (const QString& keyword : index->stringList()) {
        EXPECT_EQ(engine_->documentsForKeyword(keyword).size(), 1) << keyword.toStdString();
    }
}

TEST_F(HelpGuideTest, AFullTextSearchFindsThePagesThatHoldTheWords) {
    QHelpSearchEngine* search = engine_->searchEngine();
    bool indexed = false;
    QObject::connect(search, &QHelpSearchEngine::indexingFinished, [&indexed] { indexed = true; });
    search->reindexDocumentation();
    ASSERT_TRUE(WaitFor(search, &QHelpSearchEngine::indexingFinished, [&indexed] { return indexed; }));

    bool searched = false;
    QObject::connect(search, &QHelpSearchEngine::searchingFinished, [&searched] { searched = true; });
    // What an engineer types, with pages that must be among the hits: words
    // with hyphens and apostrophes as well as plain ones.
    const struct {
        const char* typed;
        std::vector<const char*> pages;
    } cases[] = {
        {"Froude", {"table-view.html", "hydraulics.html", "flow-types-and-profile-classes.html"}},
        {"M-1", {"flow-types-and-profile-classes.html", "results-view.html"}},
        {"Manning's", {"inputs-view.html", "file-format.html", "getting-started.html"}},
        {"Manning's n", {"inputs-view.html", "calculators.html", "command-line.html"}},
        {"\"critical, C-1\"", {"flow-types-and-profile-classes.html"}},
        {"sequent depth", {"hydraulic-jump-calculator.html", "command-line.html"}},
    };
    for (const auto& c : cases) {
        searched = false;
        search->search(HelpSearchQuery(c.typed));
        ASSERT_TRUE(WaitFor(search, &QHelpSearchEngine::searchingFinished, [&searched] { return searched; }));
        QStringList found;
        for (const QHelpSearchResult& result : search->searchResults(0, search->searchResultCount())) {
            found << result.url().fileName();
        }
        for (const char* page : c.pages) {
            EXPECT_TRUE(found.contains(page)) << c.typed << ": " << page << " not among "
                                              << found.join(", ").toStdString();
        }
    }
}

TEST_F(HelpGuideTest, EachProfileClassIsAnIndexKeywordOfTheProfileClassesPage) {
    for (const char* profileClass :
         {"M-1", "M-2", "M-3", "S-1", "S-2", "S-3", "C-1", "C-3", "H-2", "H-3", "A-2", "A-3"}) {
        const QList<QHelpLink> documents = engine_->documentsForKeyword(profileClass);
        ASSERT_EQ(documents.size(), 1) << profileClass;
        EXPECT_EQ(documents.front().url.fileName(), "flow-types-and-profile-classes.html") << profileClass;
    }
}

TEST_F(HelpGuideTest, TheSupportPageLinksToTheSupportWebPageTheProgramOpens) {
    const QString address = TechnicalSupportAddress();
    EXPECT_TRUE(address.startsWith("https://")) << address.toStdString();
    EXPECT_TRUE(PageText(HelpPageUrl("support")).contains("href=\"" + address + "\""));
}

// F1 can only lead to pages that the guide holds.
TEST_F(HelpGuideTest, EveryWindowsPageIsInTheGuide) {
    for (const char* window :
         {"MDIMain", "frmMainInputs", "frmMainResults", "frmMainGrid", "frmChannelName", "frmAbout",
          "frmCritical", "frmMannings", "frmJump", "frmWeirs", "frmOrifices", "frmGates", "frmPlot",
          "frmPlotSetup", "frmHelp", "QFileDialog", "QPrintDialog", "QPageSetupDialog"}) {
        const QString page = HelpPageOfWindow(window);
        ASSERT_FALSE(page.isEmpty()) << window;
        EXPECT_FALSE(engine_->fileData(HelpPageUrl(page)).isEmpty()) << window;
    }
    EXPECT_FALSE(engine_->fileData(HelpPageUrl(HelpPageForWidget(nullptr))).isEmpty()) << "the first page";
}

}  // namespace
}  // namespace rillo
