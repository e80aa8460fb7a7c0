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

void LinePrinter::PrintLine(const ReportLine& line) {
    SetFont(line.font);
    double end = 0.0;
    bool first = true;
    for (const ReportItem& item : line.items) {
        const double width = TextWidth(item.text);
        double x = 0.0;
        switch (item.placement) {
            case Placement::AtColumn:
                x = std::max(item.column - 1, 0) * ColumnWidth();
                // A long text before it pushes the item on rather than under it.
                if (!first) x = std::max(x, end + TextWidth(" "));
                break;
            case Placement::NextZone:
                x = first ? 0.0 : NextZoneStart(end, ColumnWidth(), TextWidth(" "));
                break;
            case Placement::Centred: x = std::max((PrintableWidth() - width) / 2.0, 0.0); break;
        }
        if (!item.text.empty()) PrintText(x, item.text);
        end = x + width;
        first = false;
    }
    EndLine();
}

}  // namespace rillo
