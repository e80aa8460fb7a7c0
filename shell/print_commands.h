#pragma once

#include "documents/format/atomic_file_writer.h"

namespace rillo {

class MDIMain;

// The Print command: shows hidden views, refuses an incomplete profile with
// "Printing Error", asks for the copies in the print dialog (0 read as 1) and
// prints the report that many times; a printer failure shows "Print Error".
void PrintProfile(MDIMain& main);

// The Page Setup command: the page set-up dialog of the printer; cancelling
// changes nothing.
void PageSetup(MDIMain& main);

// The Print Preview command: the report in the print preview of the printer.
void PrintPreview(MDIMain& main);

// The Export PDF command: the report as a PDF file at a path chosen in a save
// dialog (".pdf" added when missing); nothing is left at the path on failure.
void ExportPdf(MDIMain& main);

// The Export Table command: the whole table (both heading rows, every data
// row, all eleven columns) as a CSV file chosen in a save dialog (".csv"
// added when missing), written in one step as Save writes.
void ExportTable(MDIMain& main, FileSystemIo& io = SystemFileSystemIo());

}  // namespace rillo
