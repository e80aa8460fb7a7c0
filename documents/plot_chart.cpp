#include "documents/plot_chart.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <memory>

#include "documents/format/atomic_file_writer.h"

namespace rillo {

namespace {

// One colour per quantity, so that a quantity keeps its colour whatever else
// is plotted; chosen to stay apart from each other in print and on screen.
constexpr std::array<QRgb, kProfileColumnCount> kColumnColours = {
    0xff000000, 0xff1f5fbf, 0xffd0471b, 0xff2e8b3a, 0xff8e44ad, 0xffc49000,
    0xff6b4c2a, 0xff0f9aa8, 0xff7f7f7f, 0xff7f7f7f, 0xff7f7f7f,
};

QColor ColourOf(int column) {
    return QColor::fromRgba(
        kColumnColours[static_cast<std::size_t>(std::clamp(column, 0, kProfileColumnCount - 1))]);
}

struct Range {
    double low = 0.0;
    double high = 1.0;
};

// The span of the values, widened so that a single value still has a range.
Range SpanOf(const std::vector<double>& values, Range fallback) {
    if (values.empty()) return fallback;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    Range range{*low, *high};
    if (range.high - range.low <= 0.0) {
        const double pad = std::max(1.0, std::abs(range.low) * 0.1);
        range.low -= pad;
        range.high += pad;
    }
    return range;
}

// The chart draws its titles as HTML; a title is the user's plain text, so
// its markup is escaped. Line breaks and the control characters that no SVG
// file may carry become blanks.
QString TitleMarkup(const std::string& title) {
    QString text = QString::fromStdString(title);
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() == 0xfffe || c.unicode() == 0xffff)
            c = ' ';
    }
    return text.toHtmlEscaped();
}

constexpr int kMostStationTicks = 5;
const char* const kLabelFormat = "%.10g";

// Whether every label of the axis fits the share of the plot width that the
// chart gives each (its width over the tick count, less the label padding);
// a label wider than that is cut ("10...").
bool LabelsFit(const QValueAxis& axis, const QFont& font, double plotWidth) {
    const QFontMetricsF metrics(font);
    const int ticks = axis.tickCount();
    const double room = plotWidth / ticks - 10.0;
    for (int i = 0; i < ticks; ++i) {
        const double value = axis.min() + (axis.max() - axis.min()) * i / (ticks - 1);
        if (metrics.horizontalAdvance(QString::asprintf(kLabelFormat, value)) > room) return false;
    }
    return true;
}

// As many ticks on a nice range as leave room for every station label, at
// most five; when even two do not, the labels are set smaller, so that no
// label loses its digits. Worked out on an axis of its own, so that the
// chart's axis changes once.
void FitStationTicks(QValueAxis& axis, Range span, const QFont& labelsFont, double plotWidth) {
    QValueAxis trial;
    QFont font = labelsFont;
    for (int wanted = kMostStationTicks; wanted >= 2; --wanted) {
        trial.setRange(span.low, span.high);
        trial.setTickCount(wanted);
        trial.applyNiceNumbers();
        if (LabelsFit(trial, font, plotWidth)) break;
    }
    while (!LabelsFit(trial, font, plotWidth) && font.pointSizeF() > 4.0) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (font != axis.labelsFont()) axis.setLabelsFont(font);
    if (trial.tickCount() == axis.tickCount() && trial.min() == axis.min() && trial.max() == axis.max())
        return;
    axis.setTickCount(trial.tickCount());
    axis.setRange(trial.min(), trial.max());
}

QValueAxis* MakeAxis(const QString& title, Range range) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(kLabelFormat);
    axis->setRange(range.low, range.high);
    axis->applyNiceNumbers();
    axis->setMinorTickCount(1);
    QFont titleFont = axis->titleFont();
    titleFont.setBold(false);
    titleFont.setPointSizeF(9.5);
    axis->setTitleFont(titleFont);
    return axis;
}

QLineSeries* MakeLine(const PlotChart& plot, const PlotSeries& quantity, QObject* parent) {
    auto* line = new QLineSeries(parent);
    line->setName(QString::fromStdString(quantity.legend));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(plot.x.size()));
    for (std::size_t p = 0; p < plot.x.size() && p < quantity.values.size(); ++p) {
        points.append({plot.x[p], quantity.values[p]});
    }
    line->replace(points);
    return line;
}

QPen PenOf(const PlotChart& plot, const PlotSeries& quantity) {
    QPen pen(ColourOf(quantity.column));
    pen.setWidthF(2.0);
    pen.setStyle(plot.patternedLines ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QAbstractSeries* LineOf(const PlotChart& plot, const PlotSeries& quantity) {
    QLineSeries* line = MakeLine(plot, quantity, nullptr);
    line->setPen(PenOf(plot, quantity));
    return line;
}

// An area filled from zero with a light, opaque tint of the quantity's colour.
QAbstractSeries* AreaOf(const PlotChart& plot, const PlotSeries& quantity) {
    auto* area = new QAreaSeries;
    area->setUpperSeries(MakeLine(plot, quantity, area));
    area->setName(QString::fromStdString(quantity.legend));
    const QPen pen = PenOf(plot, quantity);
    const QColor edge = pen.color();
    const auto tint = [](int channel) { return 255 - (255 - channel) * 2 / 5; };
    area->setBrush(QColor(tint(edge.red()), tint(edge.green()), tint(edge.blue())));
    area->setPen(pen);
    return area;
}

// Lines in box order. Areas from the highest to the lowest, so that each is
// drawn in front of the larger ones and stays in sight; the legend then lists
// them top to bottom as they lie on the chart.
std::vector<const PlotSeries*> DrawingOrder(const PlotChart& plot) {
    std::vector<const PlotSeries*> order;
    for (const PlotSeries& quantity : plot.series) order.push_back(&quantity);
    if (plot.type == PlotChartType::Area) {
        const auto highest = [](const PlotSeries* s) {
            return s->values.empty() ? 0.0 : *std::max_element(s->values.begin(), s->values.end());
        };
        std::stable_sort(order.begin(), order.end(),
                         [&](const PlotSeries* a, const PlotSeries* b) { return highest(a) > highest(b); });
    }
    return order;
}

// The chart laid out at `size` in a scene of its own, ready to render.
class OffscreenChart {
   public:
    OffscreenChart(const PlotChart& plot, QSize size) : chart_(NewPlotChart(plot)) {
        scene_.addItem(chart_);  // the scene owns the chart
        chart_->setGeometry(QRectF(QPointF(0, 0), size));
        scene_.setSceneRect(chart_->geometry());
        chart_->layout()->activate();
    }
    void Render(QPainter& painter, const QRectF& target) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        scene_.render(&painter, target, scene_.sceneRect());
    }

   private:
    QGraphicsScene scene_;
    QChart* chart_;
};

std::optional<std::string> EncodePng(const PlotChart& plot, QSize size, QByteArray& bytes) {
    const QImage image = RenderPlotImage(plot, size, 2.0);
    if (image.isNull()) return "the picture is too large to draw";
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return "the picture could not be encoded as PNG";
    return std::nullopt;
}

std::optional<std::string> EncodeSvg(const PlotChart& plot, QSize size, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    // The generator writes the title into the file as it stands, so it is given as markup.
    generator.setTitle(TitleMarkup(plot.title.empty() ? "Water Surface Profile" : plot.title));
    OffscreenChart chart(plot, size);
    QPainter painter;
    if (!painter.begin(&generator)) return "the picture could not be drawn as SVG";
    chart.Render(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return std::nullopt;
}

}  // namespace

QChart* NewPlotChart(const PlotChart& plot) {
    auto* made = new QChart;
    QChart& chart = *made;
    chart.setBackgroundRoundness(0);
    chart.layout()->setContentsMargins(0, 0, 0, 0);  // the white reaches the edges
    chart.setDropShadowEnabled(false);
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.setTitle(TitleMarkup(plot.title));
    QFont titleFont = chart.titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(12);
    chart.setTitleFont(titleFont);

    // Each axis spans the series drawn against it.
    const auto rangeOf = [&plot](bool right) {
        Range range{0.0, 1.0};
        bool anyValue = false;
        for (const PlotSeries& quantity : plot.series) {
            if (quantity.values.empty() || quantity.rightAxis != right) continue;
            const Range r = SpanOf(quantity.values, {});
            range = anyValue ? Range{std::min(range.low, r.low), std::max(range.high, r.high)} : r;
            anyValue = true;
        }
        // Depths, areas and widths are measured from zero; the area type fills down to it.
        range.low = std::min(0.0, range.low);
        return range;
    };
    const Range stations = SpanOf(plot.x, {0.0, 1.0});
    QValueAxis* xAxis = MakeAxis(TitleMarkup(plot.bottomTitle), stations);
    QValueAxis* yAxis = MakeAxis(TitleMarkup(plot.leftTitle), rangeOf(false));
    // The station labels are fitted to the width the plot area takes, at
    // every size the chart is given.
    QObject::connect(&chart, &QChart::plotAreaChanged, xAxis,
                     [xAxis, stations, font = xAxis->labelsFont()](const QRectF& area) {
                         if (area.width() > 0) FitStationTicks(*xAxis, stations, font, area.width());
                     });
    chart.addAxis(xAxis, Qt::AlignBottom);
    chart.addAxis(yAxis, Qt::AlignLeft);
    QValueAxis* rightAxis = nullptr;
    if (std::any_of(plot.series.begin(), plot.series.end(), [](const PlotSeries& s) { return s.rightAxis; })) {
        rightAxis = MakeAxis(TitleMarkup(plot.rightTitle), rangeOf(true));
        chart.addAxis(rightAxis, Qt::AlignRight);
    }

    for (const PlotSeries* quantity : DrawingOrder(plot)) {
        QAbstractSeries* added =
            plot.type == PlotChartType::Area ? AreaOf(plot, *quantity) : LineOf(plot, *quantity);
        chart.addSeries(added);
        added->attachAxis(xAxis);
        added->attachAxis(quantity->rightAxis ? rightAxis : yAxis);
    }

    QLegend* legend = chart.legend();
    legend->setVisible(!plot.series.empty());
    legend->setAlignment(Qt::AlignRight);
    legend->setMarkerShape(plot.type == PlotChartType::Area ? QLegend::MarkerShapeRectangle
                                                            : QLegend::MarkerShapeFromSeries);
    // The legend shows each area's own fill and edge, not the default grey.
    for (QLegendMarker* marker : legend->markers()) {
        if (auto* area = qobject_cast<QAreaSeries*>(marker->series())) {
            marker->setBrush(area->brush());
            marker->setPen(area->pen());
        }
    }
    return made;
}

QImage RenderPlotImage(const PlotChart& plot, QSize size, double scale) {
    const QSize pixels(static_cast<int>(size.width() * scale), static_cast<int>(size.height() * scale));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    OffscreenChart chart(plot, size);
    QPainter painter(&image);
    chart.Render(painter, QRectF(QPointF(0, 0), pixels));
    return image;
}

std::optional<std::string> WritePlotImageFile(const PlotChart& plot, QSize size, const QString& path) {
    const QString type = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    std::optional<std::string> error;
    if (type == "png") {
        error = EncodePng(plot, size, bytes);
    } else if (type == "svg") {
        error = EncodeSvg(plot, size, bytes);
    } else {
        return "the file name must end in .png, .svg or .pdf";
    }
    if (error) return error;
    return WriteFileAtomically(QFile::encodeName(path).toStdString(),
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace rillo
