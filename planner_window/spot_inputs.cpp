#include "planner_window/spot_inputs.h"

#include <QGridLayout>
#include <QLabel>

#include "planner_window/cell_text.h"
#include "planner_window/load_document.h"
#include "planner_window/load_field_edit.h"

namespace tarnwick {
namespace {

// The boxes' merge keys, clear of the window's other boxes.
enum Field {
  DropZoneName = 100,
  Latitude,
  Longitude,
  Elevation,
  Offset,
  PatternAltitude,
  ReachFactor,
  CanopyAirspeed,
  SinkRate
};

// A drop zone with nothing in it is no drop zone: the load then has none, as a file without
// one.
void DropEmptyZone(load::Load& load) {
  const load::DropZone& zone = *load.dropZone;
  if (zone.name.empty() && !zone.latitude && !zone.longitude && !zone.elevation) {
    load.dropZone.reset();
  }
}

load::DropZone& ZoneOf(load::Load& load) {
  if (!load.dropZone) load.dropZone.emplace();
  return *load.dropZone;
}

QString OptionalNumber(const std::optional<double>& value) {
  return value ? NumberCell(*value) : QString();
}

// Takes a reading into `into`, or says why it cannot.
QString Take(const CellReading<double>& reading, double& into) {
  if (const auto* why = std::get_if<QString>(&reading)) return *why;
  into = std::get<double>(reading);
  return {};
}

// An optional field of the drop zone: empty text clears it.
QString TakeOptional(const QString& text, const CellReading<double>& reading,
                     std::optional<double>& into) {
  if (text.trimmed().isEmpty()) {
    into.reset();
    return {};
  }
  double value = 0;
  const QString why = Take(reading, value);
  if (why.isEmpty()) into = value;
  return why;
}

CellReading<double> ReadDegrees(const QString& text) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) return QStringLiteral("Type degrees as a decimal number, or leave it empty");
  return *value;
}

CellReading<double> ReadFactor(const QString& text) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) return QStringLiteral("Type a share such as 0.7");
  return *value;
}

}  // namespace

SpotInputs::SpotInputs(LoadDocument& document, QWidget* parent)
    : QGroupBox(QStringLiteral("Drop zone and canopies"), parent) {
  // Two boxes a row, so that the groups below stay in sight on a small screen.
  auto* grid = new QGridLayout(this);
  int placed = 0;
  const auto addRow = [grid, &placed](QWidget* label, QWidget* edit) {
    const int row = placed / 2, column = 2 * (placed % 2);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
    ++placed;
  };
  const auto named = [this](const QString& text) { return new QLabel(text, this); };
  const auto box = [this, &document](Field field, const QString& name, const QString& what,
                                     LoadFieldEdit::Show show, LoadFieldEdit::Apply apply) {
    auto* edit = new LoadFieldEdit(document, field, what, std::move(show), std::move(apply), this);
    edit->setObjectName(name);
    edit->setMaximumWidth(140);
    connect(edit, &LoadFieldEdit::refused, this, &SpotInputs::refused);
    return edit;
  };
  const auto zoneEdit = [](auto field) {
    return [field](const QString& text, load::Load& l) {
      const QString why = field(text, ZoneOf(l));
      DropEmptyZone(l);
      return why;
    };
  };

  auto* name = box(
      DropZoneName, QStringLiteral("dropZoneName"), QStringLiteral("Rename drop zone"),
      [](const load::Load& l) {
        return l.dropZone ? QString::fromStdString(l.dropZone->name) : QString();
      },
      zoneEdit([](const QString& text, load::DropZone& zone) {
        zone.name = text.trimmed().toStdString();
        return QString();
      }));
  name->setMaximumWidth(QWIDGETSIZE_MAX);
  grid->addWidget(named(QStringLiteral("Drop zone")), 0, 0);
  grid->addWidget(name, 0, 1, 1, 3);
  placed = 2;
  // Latitude and longitude: degrees, either may be left empty.
  const auto degrees = [&](Field field, const QString& name, const QString& what,
                           std::optional<double> load::DropZone::*member) {
    return box(
        field, name, what,
        [member](const load::Load& l) {
          return l.dropZone ? OptionalNumber((*l.dropZone).*member) : QString();
        },
        zoneEdit([member](const QString& text, load::DropZone& zone) {
          return TakeOptional(text, ReadDegrees(text), zone.*member);
        }));
  };
  auto* latitude = degrees(Latitude, QStringLiteral("latitude"), QStringLiteral("Change latitude"),
                           &load::DropZone::latitude);
  latitude->setToolTip(QStringLiteral("Degrees, north positive: -90 to 90"));
  addRow(named(QStringLiteral("Latitude (°)")), latitude);
  auto* longitude = degrees(Longitude, QStringLiteral("longitude"),
                            QStringLiteral("Change longitude"), &load::DropZone::longitude);
  longitude->setToolTip(QStringLiteral("Degrees, east positive: -180 to 180"));
  addRow(named(QStringLiteral("Longitude (°)")), longitude);
  auto* elevation = box(
      Elevation, QStringLiteral("elevation"), QStringLiteral("Change elevation"),
      [](const load::Load& l) {
        return l.dropZone && l.dropZone->elevation ? AltitudeCell(*l.dropZone->elevation, l.units)
                                                   : QString();
      },
      [](const QString& text, load::Load& l) {
        const auto units = l.units;
        const QString why = TakeOptional(text, ReadAltitude(text, units), ZoneOf(l).elevation);
        DropEmptyZone(l);
        return why;
      });
  elevation->setToolTip(QStringLiteral("The landing area's elevation above sea level"));
  auto* elevationLabel = new QLabel(this);
  addRow(elevationLabel, elevation);
  for (auto* edit : {name, latitude, longitude, elevation}) edit->setPlaceholderText("none");

  auto* offset = box(
      Offset, QStringLiteral("jumpRunOffset"), QStringLiteral("Change jump run offset"),
      [](const load::Load& l) { return DistanceCell(l.jumpRunOffset, l.units); },
      [](const QString& text, load::Load& l) {
        return Take(ReadDistance(text, l.units), l.jumpRunOffset);
      });
  offset->setToolTip(QStringLiteral(
      "How far the jump run passes to the right of the landing area; negative: to its left"));
  auto* offsetLabel = new QLabel(this);
  addRow(offsetLabel, offset);
  auto* pattern = box(
      PatternAltitude, QStringLiteral("patternAltitude"), QStringLiteral("Change pattern altitude"),
      [](const load::Load& l) { return AltitudeCell(l.patternAltitude, l.units); },
      [](const QString& text, load::Load& l) {
        return Take(ReadAltitude(text, l.units), l.patternAltitude);
      });
  pattern->setToolTip(
      QStringLiteral("The height above the landing area a canopy must reach it by"));
  auto* patternLabel = new QLabel(this);
  addRow(patternLabel, pattern);
  auto* reach = box(
      ReachFactor, QStringLiteral("reachFactor"), QStringLiteral("Change reach factor"),
      [](const load::Load& l) { return NumberCell(l.reachFactor); },
      [](const QString& text, load::Load& l) { return Take(ReadFactor(text), l.reachFactor); });
  reach->setToolTip(QStringLiteral(
      "The share of a canopy's still-air range counted on to get back (above 0, up to 1)"));
  addRow(named(QStringLiteral("Reach factor")), reach);
  auto* airspeed = box(
      CanopyAirspeed, QStringLiteral("canopyAirspeed"), QStringLiteral("Change canopy airspeed"),
      [](const load::Load& l) { return SpeedCell(l.canopy.airspeed, l.units); },
      [](const QString& text, load::Load& l) {
        return Take(ReadSpeed(text, l.units), l.canopy.airspeed);
      });
  airspeed->setToolTip(QStringLiteral("Every group's canopy unless the group has its own"));
  auto* airspeedLabel = new QLabel(this);
  addRow(airspeedLabel, airspeed);
  auto* sink = box(
      SinkRate, QStringLiteral("canopySinkRate"), QStringLiteral("Change canopy sink rate"),
      [](const load::Load& l) { return AltitudeCell(l.canopy.sinkRate, l.units); },
      [](const QString& text, load::Load& l) {
        return Take(ReadAltitude(text, l.units), l.canopy.sinkRate);
      });
  sink->setToolTip(airspeed->toolTip());
  auto* sinkLabel = new QLabel(this);
  addRow(sinkLabel, sink);

  const auto relabel = [&document, elevationLabel, offsetLabel, patternLabel, airspeedLabel,
                        sinkLabel] {
    const load::Units& u = document.Load().units;
    elevationLabel->setText(QStringLiteral("Elevation (%1 msl)").arg(AltitudeUnitName(u)));
    offsetLabel->setText(QStringLiteral("Jump run offset (%1)").arg(DistanceUnitName(u)));
    patternLabel->setText(QStringLiteral("Pattern altitude (%1)").arg(AltitudeUnitName(u)));
    airspeedLabel->setText(QStringLiteral("Canopy airspeed (%1)").arg(SpeedUnitName(u)));
    sinkLabel->setText(QStringLiteral("Canopy sink rate (%1/s)").arg(AltitudeUnitName(u)));
  };
  connect(&document, &LoadDocument::loadChanged, this, relabel);
  relabel();
}

}  // namespace tarnwick
