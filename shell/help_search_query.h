#pragma once

#include <QString>

namespace rillo {

// The full-text query the help's search index is given for what the user
// typed. The index splits words at hyphens and apostrophes and reads its
// query as SQLite FTS5 syntax, in which a bare "M-1" or "Manning's" is a
// syntax error that finds nothing. So every word that holds such a character
// is searched as a quoted phrase of its parts ("M-1" finds "mild, M-1"), a
// quoted phrase the user typed stays one phrase, plain words, prefix words
// ("weir*") and the operators AND, OR and NOT between words are kept. Empty
// when nothing searchable was typed.
QString HelpSearchQuery(const QString& typed);

}  // namespace rillo
