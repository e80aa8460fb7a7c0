#include "shell/help_search_query.h"

#include <gtest/gtest.h>

namespace rillo {
namespace {

// What the user types and the full-text query it becomes. Every query must be
// valid FTS5: an invalid one finds nothing at all.
TEST(HelpSearchQueryTest, WordsWithPunctuationBecomePhrasesAndTheRestStays) {
    const struct {
        const char* typed;
        const char* query;
    } cases[] = {
        {"Froude", "Froude"},
        {"  critical   depth ", "critical depth"},
        {"M-1", "\"M-1\""},
        {"Manning's n", "\"Manning's\" n"},
        {"weir*", "weir*"},
        {"2+00.000", "\"2+00.000\""},
        {"\"Manning's  n\"", "\"Manning's n\""},
        {"say \"hi", "say \"hi\""},                  // an unclosed quote ends the phrase
        {"a\"b\"c", "a \"b\" c"},
        {"weir OR gate", "weir OR gate"},
        {"OR weir AND", "\"OR\" weir \"AND\""},        // an operator needs a term on each side
        {"weir AND NOT gate", "weir \"AND\" NOT gate"},
        {"- ' \"\" * ...", ""},                       // nothing searchable
        {"", ""},
        {"Fr\u00f6de", "Fr\u00f6de"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HelpSearchQuery(QString::fromUtf8(c.typed)).toStdString(), c.query) << c.typed;
    }
}

TEST(HelpSearchQueryTest, AHugeInputIsQuotedWholeWithoutGrowingOutOfBounds) {
    const QString typed = QString(100000, QChar(u'-')) + "x'" + QString(100000, QChar(u'"'));
    const QString query = HelpSearchQuery(typed);
    EXPECT_TRUE(query.startsWith("\"---")) << query.left(20).toStdString();
    EXPECT_LE(query.size(), 2 * typed.size());
}

}  // namespace
}  // namespace rillo
