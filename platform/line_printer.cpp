#include "platform/line_printer.h"

#include <algorithm>
#include <cmath>

namespace rillo {

double AverageCharacterWidth(const std::function<double(char)>& advance) {
    // Weights per thousand characters of English text, a to z, then the blank.
    static constexpr int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                         56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    double sum = 0.0;
    int total = 0;
    for (int i = 0; i < 27; ++i) {
        sum += kWeights[i] * advance(i < 26 ? static_cast<char>('a' + i) : ' ');
        total += kWeights[i];
    }
    return sum / total;
}

double NextZoneStart(double end, double columnWidth, double blank) {
    const double zone = kReportZoneColumns * columnWidth;
    if (zone <= 0.0) return end + blank;
    // A tolerance of a millionth of a zone keeps a text that ends exactly a
    // blank before a zone start from being pushed one zone on by rounding.
    const double zones = std::ceil((end + blank) / zone - 1e-6);
    return std::max(zones, 0.0) * zone;
}

namespace {

// Where each item of a line starts, in the current font.
struct PlacedItem {
    double x = 0.0, width = 0.0;
};

std::size_t Utf8CharacterEnd(const std::string& text, std::size_t at) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    return at;
}

// The longest start of `word` (in whole characters, one at least) that fits.
std::size_t FittingPrefix(const std::string& word, double width,
                          const std::function<double(std::string_view)>& measure) {
    std::vector<std::size_t> ends;  // character ends, grown only as far as needed
    auto fits = [&](std::size_t end) { return measure(std::string_view(word).substr(0, end)) <= width; };
    ends.push_back(Utf8CharacterEnd(word, 0));
    // Doubling, then halving: a long word costs a few measures of one line's length each.
    std::size_t good = 0;  // an index into ends that fits, or the first character
    while (ends.back() < word.size() && fits(ends.back())) {
        good = ends.size() - 1;
        const std::size_t target = ends.size() * 2;
        while (ends.size() < target && ends.back() < word.size())
            ends.push_back(Utf8CharacterEnd(word, ends.back()));
    }
    if (ends.back() >= word.size() && fits(ends.back())) return word.size();
    std::size_t bad = ends.size() - 1;  // one that does not fit
    while (bad > good + 1) {
        const std::size_t middle = (good + bad) / 2;
        (fits(ends[middle]) ? good : bad) = middle;
    }
    return ends[good];
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, double width,
                                  const std::function<double(std::string_view)>& measure) {
    std::vector<std::string> lines;
    std::string current;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t blank = text.find(' ', at);
        if (blank == std::string::npos) blank = text.size();
        std::string word = text.substr(at, blank - at);
        at = blank + 1;
        if (word.empty()) continue;
        const std::string joined = current.empty() ? word : current + " " + word;
        if (measure(joined) <= width) {
            current = joined;
            continue;
        }
        if (!current.empty()) lines.push_back(std::move(current));
        current.clear();
        // The word is too wide: its fitting starts go on lines of their own.
        for (std::size_t cut = FittingPrefix(word, width, measure); cut < word.size();
             cut = FittingPrefix(word, width, measure)) {
            lines.push_back(word.substr(0, cut));
            word.erase(0, cut);
        }
        current = std::move(word);
    }
    if (!current.empty() || lines.empty()) lines.push_back(std::move(current));
    return lines;
}

namespace {

std::vector<PlacedItem> Place(LinePrinter& printer, const ReportLine& line) {
    std::vector<PlacedItem> placed;
    double end = 0.0;
    for (const ReportItem& item : line.items) {
        const double width = printer.TextWidth(item.text);
        double x = 0.0;
        switch (item.placement) {
            case Placement::AtColumn:
                x = std::max(item.column - 1, 0) * printer.ColumnWidth();
                // A long text before it pushes the item on rather than under it.
                if (!placed.empty()) x = std::max(x, end + printer.TextWidth(" "));
                break;
            case Placement::NextZone:
                x = placed.empty() ? 0.0 : NextZoneStart(end, printer.ColumnWidth(), printer.TextWidth(" "));
                break;
            case Placement::Centred: x = std::max((printer.PrintableWidth() - width) / 2.0, 0.0); break;
        }
        placed.push_back({x, width});
        end = x + width;
    }
    return placed;
}

}  // namespace

std::vector<ReportLine> LinePrinter::WrappedLines(const ReportLine& line) {
    if (line.items.size() != 1 || line.items[0].placement != Placement::Centred) return {line};
    SetFont(line.font);
    const double width = PrintableWidth();
    if (TextWidth(line.items[0].text) <= width) return {line};
    std::vector<ReportLine> lines;
    for (std::string& part :
         WrapText(line.items[0].text, width, [this](std::string_view text) { return TextWidth(text); })) {
        ReportLine wrapped = line;
        wrapped.items[0].text = std::move(part);
        lines.push_back(std::move(wrapped));
    }
    return lines;
}

double LinePrinter::ColumnsEnd(const ReportLine& line) {
    SetFont(line.font);
    const std::vector<PlacedItem> placed = Place(*this, line);
    double end = 0.0;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (line.items[i].placement != Placement::Centred) end = std::max(end, placed[i].x + placed[i].width);
    }
    return end;
}

void LinePrinter::PrintLine(const ReportLine& line) {
    for (const ReportLine& part : WrappedLines(line)) {
        SetFont(part.font);
        const std::vector<PlacedItem> placed = Place(*this, part);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            if (!part.items[i].text.empty()) PrintText(placed[i].x, part.items[i].text);
        }
        EndLine();
    }
}

}  // namespace rillo
