#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "load/load_model.h"

namespace tarnwick {

// The texts of the planner's input cells: numbers in the load's units, read and written the
// same way everywhere ("." as decimal point whatever the locale), and the fall rate in words.

// A number as typed: blanks around it allowed, nothing else; never a locale's comma.
std::optional<double> ReadNumber(const QString& text);
// A number for a cell: up to ten significant digits, so that 4267.2 m reads as typed rather
// than as the last bits of its conversion from feet.
QString NumberCell(double value);

// Altitudes and distances are kept in feet, speeds in knots; cells show the load's units.
QString AltitudeCell(double feet, const load::Units& units);
QString DistanceCell(double feet, const load::Units& units);
QString SpeedCell(double knots, const load::Units& units);
QString AltitudeUnitName(const load::Units& units);
QString DistanceUnitName(const load::Units& units);
QString SpeedUnitName(const load::Units& units);

// What a cell's text says, or why it cannot be read.
template <typename T>
using CellReading = std::variant<T, QString>;

CellReading<double> ReadAltitude(const QString& text, const load::Units& units);
CellReading<double> ReadDistance(const QString& text, const load::Units& units);
CellReading<double> ReadSpeed(const QString& text, const load::Units& units);
CellReading<double> ReadSeconds(const QString& text);

// "Slow", "Fast", a terminal speed ("120 mph", "190 km/h at 1800 m"; the load's speed unit and
// altitude unit when none is given) or a drag area ("3.5 sq ft").
QString FallRateCell(const load::FallRate& fallRate, const load::Units& units);
CellReading<load::FallRate> ReadFallRate(const QString& text, const load::Units& units);
extern const QString kFallRateHelp;

}  // namespace tarnwick
