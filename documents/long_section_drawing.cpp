#include "documents/long_section_drawing.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <exception>

#include "documents/format/atomic_file_writer.h"

namespace rillo {

namespace {

constexpr double kMargin = 10.0;
constexpr double kTickLength = 4.0;

struct LineLook {
    QRgb colour;
    double width;
    Qt::PenStyle style;
};

LineLook LookOf(SectionLineKind kind) {
    switch (kind) {
        case SectionLineKind::Bed: return {0xff6b4c2a, 2.5, Qt::SolidLine};
        case SectionLineKind::WaterSurface: return {0xff1f5fbf, 2.0, Qt::SolidLine};
        case SectionLineKind::EnergyLine: return {0xffd0471b, 1.5, Qt::SolidLine};
        case SectionLineKind::NormalDepth: return {0xff2e8b3a, 1.5, Qt::DashLine};
        case SectionLineKind::CriticalDepth: return {0xff8e44ad, 1.5, Qt::DotLine};
        case SectionLineKind::Crown: return {0xff404040, 2.0, Qt::SolidLine};
    }
    return {0xff000000, 1.0, Qt::SolidLine};
}

QPen PenOf(SectionLineKind kind) {
    const LineLook look = LookOf(kind);
    QPen pen(QColor::fromRgba(look.colour), look.width, look.style, Qt::FlatCap, Qt::RoundJoin);
    return pen;
}

QFont FontOf(double pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

QString Text(const std::string& text) {
    QString t = QString::fromStdString(text);
    for (QChar& c : t)
        if (c.unicode() < 0x20) c = ' ';
    return t;
}

// Stations and elevations to the painter's units within the plot area.
class Mapping {
   public:
    Mapping(const QRectF& plot, double startStation, double endStation, double low, double high)
        : plot_(plot), start_(startStation), end_(endStation), low_(low), high_(high) {}
    double X(double station) const { return plot_.left() + (station - start_) / (end_ - start_) * plot_.width(); }
    double Y(double elevation) const {
        return plot_.bottom() - (elevation - low_) / (high_ - low_) * plot_.height();
    }
    QPointF At(const SectionPoint& p) const { return {X(p.station), Y(p.elevation)}; }

   private:
    QRectF plot_;
    double start_, end_, low_, high_;
};

const SectionLine* Find(const LongSection& s, SectionLineKind kind) {
    for (const SectionLine& line : s.lines)
        if (line.kind == kind) return &line;
    return nullptr;
}

// The water between the bed and the surface, lightly tinted.
void DrawWater(QPainter& p, const LongSection& s, const Mapping& m) {
    const SectionLine* surface = Find(s, SectionLineKind::WaterSurface);
    if (!surface || surface->points.size() < 2) return;
    std::vector<SectionPoint> points = surface->points;
    // Stable: a jump's two points share a station and keep their order.
    std::stable_sort(points.begin(), points.end(), [](auto& a, auto& b) { return a.station < b.station; });
    // The bed under each end of the water, on the straight bed line.
    const SectionLine* bed = Find(s, SectionLineKind::Bed);
    const auto bedAt = [&](double station) {
        if (!bed || bed->points.size() < 2) return s.lowestElevation;
        const SectionPoint& a = bed->points.front();
        const SectionPoint& b = bed->points.back();
        return a.elevation + (b.elevation - a.elevation) * (station - a.station) / (b.station - a.station);
    };
    QPolygonF water;
    for (const SectionPoint& point : points) water << m.At(point);
    water << QPointF(m.X(points.back().station), m.Y(bedAt(points.back().station)));
    water << QPointF(m.X(points.front().station), m.Y(bedAt(points.front().station)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd6, 0xe6, 0xf8));
    p.drawPolygon(water);
}

void DrawLines(QPainter& p, const LongSection& s, const Mapping& m) {
    p.setBrush(Qt::NoBrush);
    for (const SectionLine& line : s.lines) {
        QPolygonF points;
        for (const SectionPoint& point : line.points) points << m.At(point);
        p.setPen(PenOf(line.kind));
        p.drawPolyline(points);
    }
}

void DrawArrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const double head = 6.0;
    QPolygonF tip;
    tip << to << QPointF(to.x() - head * 1.6, to.y() - head * 0.7) << QPointF(to.x() - head * 1.6, to.y() + head * 0.7);
    p.setBrush(p.pen().color());
    p.drawPolygon(tip);
    p.setBrush(Qt::NoBrush);
}

// The labels inside the plot: the class and flow type, the exaggeration, the
// flow arrow and the control section, each kept inside the plot.
// The highest of the lines at a station, where a label above them all goes.
double HighestAt(const LongSection& s, double station) {
    double highest = s.lowestElevation;
    for (const SectionLine& line : s.lines) {
        for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
            const SectionPoint& a = line.points[i];
            const SectionPoint& b = line.points[i + 1];
            if (station < std::min(a.station, b.station) || station > std::max(a.station, b.station)) continue;
            const double t = a.station == b.station ? 0.0 : (station - a.station) / (b.station - a.station);
            highest = std::max(highest, a.elevation + (b.elevation - a.elevation) * t);
        }
    }
    return highest;
}

void DrawMarks(QPainter& p, const LongSection& s, const Mapping& m, const QRectF& plot) {
    const QFont text = FontOf(12);
    const QFontMetricsF metrics(text);
    p.setFont(text);
    p.setPen(Qt::black);
    const double line = metrics.height();
    QString kind = Text(s.profileClass);
    if (!s.flowType.empty()) kind += (kind.isEmpty() ? "" : ", ") + Text(s.flowType) + " flow";
    p.drawText(QRectF(plot.left() + 6, plot.top() + 4, plot.width() - 12, line), Qt::AlignLeft | Qt::AlignVCenter,
               kind);

    // The control section: a bar from the bed to the water surface, named.
    const bool controlDownstream = std::abs(s.control.station - s.endStation) < std::abs(s.control.station - s.startStation);
    const double cx = m.X(s.control.station);
    QPen controlPen(Qt::black, 1.5);
    p.setPen(controlPen);
    p.drawLine(QPointF(cx, m.Y(s.control.bedElevation)), QPointF(cx, m.Y(s.control.surfaceElevation)));
    const double labelWidth = metrics.horizontalAdvance(Text(s.control.label)) + 2;
    // Above every line under the label, from the control to the label's far end.
    const double labelReach = (labelWidth + 4) / plot.width() * (s.endStation - s.startStation);
    const double farStation = s.control.station + (controlDownstream ? -labelReach : labelReach);
    const double under = std::max(HighestAt(s, s.control.station), HighestAt(s, farStation));
    const double labelTop = std::max(plot.top() + 3 * line + 8, m.Y(under) - line - 6);
    const QRectF controlLabel(controlDownstream ? cx - labelWidth - 4 : cx + 4, labelTop, labelWidth, line);
    p.drawText(controlLabel, Qt::AlignVCenter | (controlDownstream ? Qt::AlignRight : Qt::AlignLeft),
               Text(s.control.label));
    p.drawLine(QPointF(cx, m.Y(s.control.surfaceElevation)), QPointF(cx, labelTop + line / 2));

    // The flow arrow beside the control, pointing downstream.
    const double arrowLength = std::min(70.0, plot.width() / 5);
    const double arrowY = plot.top() + 2.5 * line + 6;
    const double ax = controlDownstream ? std::max(plot.left() + 4, cx - arrowLength - 8)
                                        : std::min(plot.right() - arrowLength - 4, cx + 8);
    p.setPen(QPen(Qt::black, 1.5));
    DrawArrow(p, QPointF(ax, arrowY), QPointF(ax + arrowLength, arrowY));
    p.drawText(QRectF(ax, arrowY - line - 2, arrowLength, line), Qt::AlignCenter, QStringLiteral("Flow"));

    if (s.jump) {
        // The rise of the water surface, bold, named above the lines.
        const double jx = m.X(s.jump->station);
        p.setPen(QPen(QColor(0x10, 0x3c, 0x96), 3.0));
        p.drawLine(QPointF(jx, m.Y(s.jump->lowSurface)), QPointF(jx, m.Y(s.jump->highSurface)));
        const QString label = Text(s.jump->label);
        const double width = metrics.horizontalAdvance(label) + 2;
        const double top = std::max(plot.top() + 3 * line + 8, m.Y(HighestAt(s, s.jump->station)) - 2 * line - 8);
        const double left = std::clamp(jx - width / 2, plot.left() + 2, std::max(plot.left() + 2, plot.right() - width - 2));
        p.setPen(Qt::black);
        p.drawText(QRectF(left, top, width, line), Qt::AlignCenter, label);
        p.setPen(QPen(Qt::black, 1.0, Qt::DotLine));
        p.drawLine(QPointF(jx, top + line), QPointF(jx, m.Y(s.jump->highSurface)));
    }

    if (s.earlyEnd) {
        // The part of the reach without rows is left blank, greyed, and marked.
        const double ex = m.X(s.earlyEnd->station);
        const double farX = controlDownstream ? plot.left() : plot.right();
        const QRectF blank = QRectF(QPointF(std::min(ex, farX), plot.top()), QPointF(std::max(ex, farX), plot.bottom()));
        p.fillRect(blank, QBrush(QColor(0, 0, 0, 18), Qt::SolidPattern));
        p.setPen(QPen(Qt::black, 1.0, Qt::DashLine));
        p.drawLine(QPointF(ex, plot.top() + 3.5 * line + 8), QPointF(ex, plot.bottom()));
        const QString label = Text(s.earlyEnd->label);
        const double width = metrics.horizontalAdvance(label) + 2;
        const bool labelLeft = controlDownstream ? ex - width - 4 > plot.left() : ex + width + 4 > plot.right();
        p.setPen(Qt::black);
        p.drawText(QRectF(labelLeft ? ex - width - 4 : ex + 4, plot.top() + 3.5 * line + 8, width, line),
                   Qt::AlignVCenter | (labelLeft ? Qt::AlignRight : Qt::AlignLeft), label);
    }
}

// How much room the station and elevation labels need in the plot's font.
struct LabelRoom {
    double station;
    double elevation;
};

double WidestLabel(const std::vector<AxisTick>& ticks, const QFontMetricsF& metrics) {
    double widest = 0.0;
    for (const AxisTick& t : ticks) widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(t.label)));
    return widest;
}

void DrawAxes(QPainter& p, const LongSection& s, const LongSectionFrame& f, const Mapping& m, const QRectF& plot) {
    const QFont labels = FontOf(11);
    const QFontMetricsF metrics(labels);
    p.setFont(labels);
    QPen grid(QColor(0xdd, 0xdd, 0xdd), 1.0);
    QPen axis(Qt::black, 1.0);
    for (const AxisTick& t : f.stationTicks) {
        const double x = m.X(t.value);
        p.setPen(grid);
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.setPen(axis);
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTickLength));
        const double w = metrics.horizontalAdvance(QString::fromStdString(t.label)) + 4;
        p.drawText(QRectF(x - w / 2, plot.bottom() + kTickLength + 1, w, metrics.height()), Qt::AlignCenter,
                   QString::fromStdString(t.label));
    }
    for (const AxisTick& t : f.elevationTicks) {
        const double y = m.Y(t.value);
        if (y < plot.top() - 0.5 || y > plot.bottom() + 0.5) continue;
        p.setPen(grid);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(axis);
        p.drawLine(QPointF(plot.left() - kTickLength, y), QPointF(plot.left(), y));
        p.drawText(QRectF(plot.left() - 200 - kTickLength - 2, y - metrics.height() / 2, 200, metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(t.label));
    }
    p.setPen(axis);
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    (void)s;
}

// The legend under the station title, wrapped over as many rows as it needs.
// The exaggeration follows the names as one more entry, without a sample.
double LegendHeight(const LongSection& s, const std::string& note, double width, bool draw, QPainter* p,
                    QPointF origin) {
    const QFont font = FontOf(12);
    const QFontMetricsF metrics(font);
    const double sample = 26.0, gap = 16.0, rowHeight = metrics.height() + 4;
    double x = 0.0, y = 0.0;
    if (p) p->setFont(font);
    for (const SectionLine& line : s.lines) {
        const QString name = Text(line.name);
        const double entry = sample + 6 + metrics.horizontalAdvance(name);
        if (x > 0 && x + entry > width) {
            x = 0;
            y += rowHeight;
        }
        if (draw && p) {
            const QPointF at = origin + QPointF(x, y);
            p->setPen(PenOf(line.kind));
            p->drawLine(at + QPointF(0, rowHeight / 2), at + QPointF(sample, rowHeight / 2));
            p->setPen(Qt::black);
            p->drawText(QRectF(at.x() + sample + 6, at.y(), entry, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
        }
        x += entry + gap;
    }
    const QString text = Text(note);
    const double entry = metrics.horizontalAdvance(text) + 4;
    if (x > 0 && x + entry > width) {
        x = 0;
        y += rowHeight;
    }
    if (draw && p) {
        p->setPen(Qt::black);
        p->drawText(QRectF(origin.x() + std::max(x, width - entry), origin.y() + y, entry, rowHeight),
                    Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    return y + rowHeight;
}

}  // namespace

void DrawLongSection(QPainter& p, const QRectF& area, const LongSection& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(area, Qt::white);
    p.setClipRect(area);

    const QFont titleFont = FontOf(15, true);
    const QFont axisTitleFont = FontOf(12);
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF labelMetrics(FontOf(11));
    const QFontMetricsF axisMetrics(axisTitleFont);

    double top = area.top() + kMargin;
    if (!s.title.empty()) {
        p.setFont(titleFont);
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), top, area.width(), titleMetrics.height()), Qt::AlignCenter, Text(s.title));
        top += titleMetrics.height() + 6;
    }
    const double inner = area.width() - 2 * kMargin;
    // The exaggeration's text is as wide at every scale the drawing may take.
    const double legend = LegendHeight(s, "Vertical exaggeration 1500:1", inner, false, nullptr, {});
    const double bottomBand = kTickLength + labelMetrics.height() + 4 + axisMetrics.height() + 6 + legend;
    const double stationRoom =
        labelMetrics.horizontalAdvance(QString::fromStdString(StationTickLabel(s.endStation, 1.0))) + 28;
    const double elevationRoom = labelMetrics.height() * 2.2;

    // The left margin holds the elevation labels, whose width is known once the scale is.
    double left = kMargin + axisMetrics.height() + 8 + labelMetrics.horizontalAdvance("-000.0");
    QRectF plot;
    LongSectionFrame frame;
    try {
        for (int pass = 0; pass < 2; ++pass) {
            plot = QRectF(QPointF(area.left() + left, top), QPointF(area.right() - kMargin - stationRoom / 2 + 14, area.bottom() - kMargin - bottomBand));
            if (plot.width() < 20 || plot.height() < 20) {
                p.restore();
                return;
            }
            frame = FitLongSectionFrame(s, plot.width(), plot.height(), stationRoom, elevationRoom);
            left = kMargin + axisMetrics.height() + 8 + kTickLength + WidestLabel(frame.elevationTicks, labelMetrics);
        }
    } catch (const std::exception&) {
        p.restore();
        return;
    }
    const Mapping m(plot, s.startStation, s.endStation, frame.elevationLow, frame.elevationHigh);

    p.save();
    p.setClipRect(plot);
    DrawWater(p, s, m);
    p.restore();
    DrawAxes(p, s, frame, m, plot);
    p.save();
    p.setClipRect(plot.adjusted(-2, -2, 2, 2));
    DrawLines(p, s, m);
    DrawMarks(p, s, m, plot);
    p.restore();

    // Axis titles and the legend.
    p.setFont(axisTitleFont);
    p.setPen(Qt::black);
    const double stationTitleTop = plot.bottom() + kTickLength + labelMetrics.height() + 4;
    p.drawText(QRectF(plot.left(), stationTitleTop, plot.width(), axisMetrics.height()), Qt::AlignCenter,
               Text(s.stationTitle));

    p.save();
    p.translate(area.left() + kMargin, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), axisMetrics.height()), Qt::AlignCenter,
               Text(s.elevationTitle));
    p.restore();
    LegendHeight(s, frame.exaggerationLabel, inner, true, &p, QPointF(area.left() + kMargin, stationTitleTop + axisMetrics.height() + 6));
    p.restore();
}

QImage RenderLongSectionImage(const LongSection& section, QSize size, double scale) {
    const QSize pixels(static_cast<int>(size.width() * scale), static_cast<int>(size.height() * scale));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    DrawLongSection(painter, QRectF(QPointF(0, 0), size), section);
    return image;
}

std::optional<std::string> WriteLongSectionImageFile(const LongSection& section, QSize size, const QString& path) {
    const QString type = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (type == "png") {
        const QImage image = RenderLongSectionImage(section, size, 2.0);
        if (image.isNull()) return "the picture is too large to draw";
        if (!image.save(&buffer, "PNG")) return "the picture could not be encoded as PNG";
    } else if (type == "svg") {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(96);
        generator.setTitle(Text(section.title.empty() ? "Long Section" : section.title).toHtmlEscaped());
        QPainter painter;
        if (!painter.begin(&generator)) return "the picture could not be drawn as SVG";
        DrawLongSection(painter, QRectF(QPointF(0, 0), size), section);
        painter.end();
    } else {
        return "the file name must end in .png, .svg or .pdf";
    }
    return WriteFileAtomically(QFile::encodeName(path).toStdString(),
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace rillo
