#include "shell/help_search_query.h"

#include <QStringList>

namespace rillo {

namespace {

bool IsWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_' || c.unicode() > 0x7f; }

// A word FTS5 reads as it stands: word characters, perhaps ending in the
// prefix mark.
bool IsBareword(const QString& word) {
    const qsizetype end = word.endsWith(u'*') ? word.size() - 1 : word.size();
    if (end == 0) return false;
    for (qsizetype i = 0; i < end; ++i) {
        if (!IsWordCharacter(word[i])) return false;
    }
    return true;
}

bool IsOperator(const QString& word) {
    return word == QLatin1String("AND") || word == QLatin1String("OR") || word == QLatin1String("NOT");
}

bool HasWordCharacter(const QString& text) {
    for (QChar c : text) {
        if (IsWordCharacter(c)) return true;
    }
    return false;
}

QString Phrase(QString text) { return u'"' + text.replace(u'"', QLatin1String("\"\"")) + u'"'; }

}  // namespace

QString HelpSearchQuery(const QString& typed) {
    // The words and phrases in order; a phrase is stored already quoted.
    QStringList terms;
    QString word;
    auto endWord = [&] {
        if (word.isEmpty()) return;
        if (IsOperator(word)) {
            terms << word;
        } else if (HasWordCharacter(word)) {
            terms << (IsBareword(word) ? word : Phrase(word));
        }
        word.clear();
    };
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        if (c == u'"') {
            endWord();
            const qsizetype close = typed.indexOf(u'"', i + 1);
            const QString phrase = typed.mid(i + 1, close < 0 ? -1 : close - i - 1);
            if (HasWordCharacter(phrase)) terms << Phrase(phrase.simplified());
            if (close < 0) break;
            i = close;
        } else if (c.isSpace()) {
            endWord();
        } else {
            word += c;
        }
    }
    endWord();
    // An operator needs a term on each side; one at an end or beside another
    // is searched as the word it is.
    for (qsizetype i = 0; i < terms.size(); ++i) {
        const bool between = i > 0 && i + 1 < terms.size() && !IsOperator(terms[i - 1]) && !IsOperator(terms[i + 1]);
        if (IsOperator(terms[i]) && !between) terms[i] = Phrase(terms[i]);
    }
    return terms.join(u' ');
}

}  // namespace rillo
