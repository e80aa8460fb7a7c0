#pragma once

#include "documents/format/profile_document.h"
#include "engine/input_checks.h"

namespace rillo {

class FrmMainGrid;
class FrmMainInputs;
class FrmMainResults;

// The inputs view's field texts, as typed.
ProfileInputTexts ReadInputTexts(const FrmMainInputs& inputs);

// The texts of the three views: the inputs as typed, the six summary labels
// and the table rows down to the first row whose station is empty. The
// channel type, unit system and channel name are left at their defaults; they
// live outside the views.
ProfileDocument ReadDocumentTexts(const FrmMainInputs& inputs, const FrmMainResults& results,
                                  const FrmMainGrid& grid);

// Fills the three views from a document's texts: every input field, the six
// summary labels and the table, which is emptied first so that no row of an
// earlier profile stays below the document's rows. Rows past the grid's last
// row are left out. The headings are not touched.
void WriteDocumentTexts(const ProfileDocument& document, FrmMainInputs& inputs, FrmMainResults& results,
                        FrmMainGrid& grid);

// Writes what a profile computation produced: the summary labels that it
// wrote, the control depth back into its field, and its rows from the first
// data row down. Nothing is cleared here; Compute clears before computing.
void WriteProfileResult(const ProfileResult& result, FrmMainInputs& inputs, FrmMainResults& results,
                        FrmMainGrid& grid);

}  // namespace rillo
