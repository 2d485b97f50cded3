#include "planner_window/cell_text.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace tarnwick {
namespace {

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString NotANumber(const QString& unit) {
  return QStringLiteral("Type a number in %1, with \".\" as the decimal point").arg(unit);
}

CellReading<double> ReadIn(const QString& text, const QString& unit, double (*toBase)(double)) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) return NotANumber(unit);
  return toBase(*value);
}

}  // namespace

const QString kFallRateHelp = QStringLiteral(
    "Slow, Fast, a terminal speed such as \"120 mph\" or \"190 km/h at 1800 m\" (at 6000 ft "
    "unless given), or a drag area such as \"3.5 sq ft\"");

std::optional<double> ReadNumber(const QString& text) {
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double value = c.toDouble(text.trimmed(), &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

QString NumberCell(double value) {
  if (value == 0) value = 0;  // no "-0"
  return QLocale::c().toString(value, 'g', 10);
}

QString AltitudeUnitName(const load::Units& units) {
  return Name(load::UnitName(units.altitude));
}
QString DistanceUnitName(const load::Units& units) {
  return Name(load::UnitName(units.distance));
}
QString SpeedUnitName(const load::Units& units) {
  return Name(load::UnitName(units.speed));
}

QString AltitudeCell(double feet, const load::Units& units) {
  return NumberCell(load::FromFeet(feet, units.altitude));
}
QString DistanceCell(double feet, const load::Units& units) {
  return NumberCell(load::FromFeet(feet, units.distance));
}
QString SpeedCell(double knots, const load::Units& units) {
  return NumberCell(load::FromKnots(knots, units.speed));
}

CellReading<double> ReadAltitude(const QString& text, const load::Units& units) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) return NotANumber(AltitudeUnitName(units));
  return load::ToFeet(*value, units.altitude);
}

CellReading<double> ReadDistance(const QString& text, const load::Units& units) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) return NotANumber(DistanceUnitName(units));
  return load::ToFeet(*value, units.distance);
}

CellReading<double> ReadSpeed(const QString& text, const load::Units& units) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) return NotANumber(SpeedUnitName(units));
  return load::ToKnots(*value, units.speed);
}

CellReading<double> ReadSeconds(const QString& text) {
  return ReadIn(text, QStringLiteral("seconds"), [](double s) { return s; });
}

QString FallRateCell(const load::FallRate& fallRate, const load::Units& units) {
  using Kind = load::FallRate::Kind;
  switch (fallRate.kind) {
    case Kind::Slow:
      return QStringLiteral("Slow");
    case Kind::Fast:
      return QStringLiteral("Fast");
    case Kind::DragArea:
      return NumberCell(fallRate.dragArea) + QStringLiteral(" sq ft");
    case Kind::TerminalSpeed:
      break;
  }
  const load::SpeedUnit unit = fallRate.unit.value_or(units.speed);
  QString text = NumberCell(load::FromKnots(fallRate.terminalSpeed, unit)) + QLatin1Char(' ') +
                 Name(load::UnitName(unit));
  if (fallRate.atAltitude != load::kDefaultTerminalAltitude) {
    text += QStringLiteral(" at ") + AltitudeCell(fallRate.atAltitude, units) + QLatin1Char(' ') +
            AltitudeUnitName(units);
  }
  return text;
}

CellReading<load::FallRate> ReadFallRate(const QString& text, const load::Units& units) {
  const QString words = text.trimmed().toLower();
  load::FallRate rate;
  if (words == QLatin1String("slow")) return rate;
  if (words == QLatin1String("fast")) {
    rate.kind = load::FallRate::Kind::Fast;
    return rate;
  }
  static const QRegularExpression kDragArea(
      QStringLiteral("^([-+0-9.e]+)\\s*(sq ft|sq\\.? ?ft|ft2|ft²)$"));
  if (const auto match = kDragArea.match(words); match.hasMatch()) {
    const std::optional<double> area = ReadNumber(match.captured(1));
    if (!area) return kFallRateHelp;
    rate.kind = load::FallRate::Kind::DragArea;
    rate.dragArea = *area;
    return rate;
  }
  static const QRegularExpression kTerminal(
      QStringLiteral("^([-+0-9.e]+)\\s*(kt|km/h|m/s|mph)?(?:\\s+at\\s+([-+0-9.e]+)\\s*(ft|m)?)?$"));
  const auto match = kTerminal.match(words);
  if (!match.hasMatch()) return kFallRateHelp;
  const std::optional<double> speed = ReadNumber(match.captured(1));
  if (!speed) return kFallRateHelp;
  rate.kind = load::FallRate::Kind::TerminalSpeed;
  rate.unit = match.captured(2).isEmpty()
                  ? units.speed
                  : load::SpeedUnitNamed(match.captured(2).toStdString()).value_or(units.speed);
  rate.terminalSpeed = load::ToKnots(*speed, *rate.unit);
  if (!match.captured(3).isEmpty()) {
    const std::optional<double> at = ReadNumber(match.captured(3));
    if (!at) return kFallRateHelp;
    const load::LengthUnit unit =
        match.captured(4).isEmpty()
            ? units.altitude
            : load::LengthUnitNamed(match.captured(4).toStdString()).value_or(units.altitude);
    rate.atAltitude = load::ToFeet(*at, unit);
  }
  return rate;
}

}  // namespace tarnwick
