#include "planner/separation_chart.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>

#include "planner/picture_file.h"
#include "planner/recommendation.h"
#include "planner/sweep_csv.h"
#include "sim/decimal_text.h"

namespace tarnwick {
namespace {

struct SeriesStyle {
  const char* name;
  QColor colour;
  Qt::PenStyle dash;
};

// Colours that stay apart for the common colour-vision deficiencies, and dashes so that lines
// lying on top of each other (the deployment and last-pull separations often do) both show.
const SeriesStyle kSeries[3] = {
    {"When first jumper pulls", QColor(0x00, 0x72, 0xB2), Qt::SolidLine},
    {"Between deployment points", QColor(0xE6, 0x9F, 0x00), Qt::DashLine},
    {"When last jumper pulls", QColor(0x00, 0x9E, 0x73), Qt::DotLine},
};
const QColor kTargetColour(0xD5, 0x5E, 0x00);
const QColor kGridColour(0xE4, 0xE4, 0xE4);
const QColor kInkColour(0x20, 0x20, 0x20);

// Markers only where they can still be told apart.
constexpr std::size_t kMostMarkedPoints = 40;

std::string Number(float value) {
  return ShortestText(value);
}

std::string Wind(float speed, std::int16_t sign) {
  return Number(speed) + " kts " + (sign > 0 ? "headwind" : "tailwind");
}

std::string FixedInputs(Box swept, const Scenario& s) {
  std::vector<std::string> parts;
  if (swept != Box::Ias) parts.push_back("IAS " + Number(s.ias) + " kts");
  if (swept != Box::UpperWind) parts.push_back("upper wind " + Wind(s.upperWind, s.upperWindSign));
  if (swept != Box::LowerWind) parts.push_back("lower wind " + Wind(s.lowerWind, s.lowerWindSign));
  if (swept != Box::WindChangeAltitude) {
    parts.push_back("wind change at " + Number(s.windChangeAltitude) + " ft");
  }
  if (swept != Box::ExitDelay) parts.push_back("exit delay " + Number(s.exitDelay) + " s");
  parts.push_back(std::string("first out ") + (s.firstSlow ? "slow" : "fast") + ", second " +
                  (s.secondSlow ? "slow" : "fast"));
  std::string text;
  for (const std::string& p : parts) text += (text.empty() ? "" : "  \u00b7  ") + p;
  return text;
}

// Tick spacing of 1, 2 or 5 times a power of ten giving about `wanted` intervals over `span`.
double NiceStep(double span, int wanted) {
  const double raw = span / wanted;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0}) {
    if (m * power >= raw) return m * power;
  }
  return 10 * power;
}

struct Axis {
  double from = 0, to = 1, step = 1;
  double Fraction(double v) const { return (v - from) / (to - from); }
};

Axis XAxis(const std::vector<double>& x) {
  Axis a;
  a.from = x.front();
  a.to = x.back();
  if (a.to <= a.from) {
    a.from -= 1;
    a.to += 1;
  }
  a.step = NiceStep(a.to - a.from, 10);
  return a;
}

Axis YAxis(const SeparationChart& chart) {
  double top = chart.targetFeet.value_or(0);
  for (const auto& series : chart.separations) {
    for (double v : series) top = std::max(top, v);
  }
  Axis a;
  a.from = 0;
  a.step = NiceStep(std::max(top, 100.0) * 1.05, 8);
  a.to = std::ceil(std::max(top, 100.0) * 1.05 / a.step) * a.step;
  return a;
}

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

QString TickLabel(double v, double step) {
  const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  return QString::number(v, 'f', decimals);
}

}  // namespace

SeparationChart ChartOfSweep(const SweepRange& range, const std::vector<SweepRow>& rows,
                             std::optional<double> targetFeet) {
  SeparationChart chart;
  chart.xLabel = std::string(FieldLabel(range.field));
  if (!rows.empty()) chart.subtitle = FixedInputs(range.field, rows.front().run.scenario);
  chart.targetFeet = targetFeet;
  for (const SweepRow& row : rows) {
    chart.x.push_back(range.Value(row.index));
    chart.separations[0].push_back(row.result.firstPullSeparation);
    chart.separations[1].push_back(row.result.DeploymentSeparation());
    chart.separations[2].push_back(row.result.LastPullSeparation());
  }
  if (targetFeet && range.field == Box::ExitDelay) {
    if (const auto from = SafeFrom(rows, *targetFeet)) chart.safeFrom = chart.x[*from];
  }
  return chart;
}

void PaintSeparationChart(QPainter& painter, const SeparationChart& chart) {
  const QRectF page(0, 0, kChartWidthPx, kChartHeightPx);
  painter.fillRect(page, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);

  QFont font = painter.font();
  font.setPixelSize(13);
  QFont titleFont = font;
  titleFont.setPixelSize(18);
  titleFont.setBold(true);
  const QFontMetricsF metrics(font);

  // Title, the fixed inputs, and the legend above the plot area.
  painter.setPen(kInkColour);
  painter.setFont(titleFont);
  painter.drawText(QRectF(24, 14, page.width() - 48, 26), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Horizontal separation at opening"));
  painter.setFont(font);
  painter.drawText(QRectF(24, 42, page.width() - 48, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   Text(chart.subtitle));
  double legendX = 24;
  const double legendY = 76;
  auto legendEntry = [&](const QPen& pen, const QString& name) {
    painter.setPen(pen);
    painter.drawLine(QPointF(legendX, legendY), QPointF(legendX + 30, legendY));
    painter.setPen(kInkColour);
    painter.drawText(QPointF(legendX + 36, legendY + metrics.ascent() / 2 - 1), name);
    legendX += 36 + metrics.horizontalAdvance(name) + 24;
  };
  for (const SeriesStyle& s : kSeries) {
    legendEntry(QPen(s.colour, 2.5, s.dash, Qt::FlatCap), QString::fromLatin1(s.name));
  }
  if (chart.targetFeet) {
    legendEntry(QPen(kTargetColour, 1.5, Qt::DashDotLine, Qt::FlatCap),
                Text("Target " + FeetText(*chart.targetFeet)));
  }

  const QRectF area(84, 100, page.width() - 84 - 28, page.height() - 100 - 64);
  if (chart.x.empty()) return;
  const Axis xAxis = XAxis(chart.x);
  const Axis yAxis = YAxis(chart);
  auto toPoint = [&](double x, double y) {
    return QPointF(area.left() + xAxis.Fraction(x) * area.width(),
                   area.bottom() - yAxis.Fraction(y) * area.height());
  };

  // Grid and tick labels.
  painter.setFont(font);
  for (double y = yAxis.from; y <= yAxis.to + yAxis.step / 2; y += yAxis.step) {
    const QPointF at = toPoint(xAxis.from, y);
    painter.setPen(QPen(kGridColour, 1));
    painter.drawLine(at, QPointF(area.right(), at.y()));
    painter.setPen(kInkColour);
    painter.drawText(QRectF(0, at.y() - 10, area.left() - 8, 20), Qt::AlignRight | Qt::AlignVCenter,
                     TickLabel(y, yAxis.step));
  }
  const double firstTick = std::ceil(xAxis.from / xAxis.step - 1e-9) * xAxis.step;
  for (double x = firstTick; x <= xAxis.to + xAxis.step * 1e-6; x += xAxis.step) {
    const QPointF at = toPoint(x, yAxis.from);
    painter.setPen(QPen(kGridColour, 1));
    painter.drawLine(at, QPointF(at.x(), area.top()));
    painter.setPen(kInkColour);
    painter.drawText(QRectF(at.x() - 40, area.bottom() + 6, 80, 18),
                     Qt::AlignHCenter | Qt::AlignTop, TickLabel(x, xAxis.step));
  }
  painter.setPen(QPen(kInkColour, 1));
  painter.drawLine(area.bottomLeft(), area.bottomRight());
  painter.drawLine(area.bottomLeft(), area.topLeft());
  painter.drawText(QRectF(area.left(), area.bottom() + 28, area.width(), 20), Qt::AlignHCenter,
                   Text(chart.xLabel));
  painter.save();
  painter.translate(20, area.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-area.height() / 2, -10, area.height(), 20), Qt::AlignHCenter,
                   QStringLiteral("Horizontal separation (ft)"));
  painter.restore();

  painter.save();
  painter.setClipRect(area.adjusted(-4, -4, 4, 4));
  if (chart.safeFrom) {
    const QPointF at = toPoint(*chart.safeFrom, yAxis.to);
    painter.fillRect(QRectF(at, area.bottomRight()), QColor(0x00, 0x9E, 0x73, 22));
    painter.setPen(QPen(kTargetColour, 1, Qt::DotLine));
    painter.drawLine(at, QPointF(at.x(), area.bottom()));
    painter.setPen(kInkColour);
    painter.drawText(QPointF(at.x() + 6, area.top() + metrics.ascent() + 4),
                     QStringLiteral("every delay from %1 s reaches the target")
                         .arg(QString::number(*chart.safeFrom, 'g', 6)));
  }
  if (chart.targetFeet) {
    painter.setPen(QPen(kTargetColour, 1.5, Qt::DashDotLine, Qt::FlatCap));
    const QPointF at = toPoint(xAxis.from, *chart.targetFeet);
    painter.drawLine(at, QPointF(area.right(), at.y()));
  }
  const bool markers = chart.x.size() <= kMostMarkedPoints;
  for (std::size_t s = 0; s < chart.separations.size(); ++s) {
    const std::vector<double>& values = chart.separations[s];
    QPainterPath path;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const QPointF p = toPoint(chart.x[i], values[i]);
      if (i == 0) {
        path.moveTo(p);
      } else {
        path.lineTo(p);
      }
    }
    painter.setPen(QPen(kSeries[s].colour, 2.5, kSeries[s].dash, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    if (markers || values.size() == 1) {
      painter.setPen(QPen(kSeries[s].colour, 1.5));
      painter.setBrush(Qt::white);
      for (std::size_t i = 0; i < values.size(); ++i) {
        painter.drawEllipse(toPoint(chart.x[i], values[i]), 3.5, 3.5);
      }
    }
  }
  painter.restore();
}

bool WriteSeparationChart(const std::string& path, const SeparationChart& chart,
                          std::string& error) {
  const auto format = PictureFormatFor(path);
  if (!format) {
    error = UnknownPictureTypeError(path);
    return false;
  }
  return WritePicture(
      path, *format, QSize(kChartWidthPx, kChartHeightPx), "Horizontal separation at opening",
      [&chart](QPainter& painter) { PaintSeparationChart(painter, chart); }, error);
}

}  // namespace tarnwick
