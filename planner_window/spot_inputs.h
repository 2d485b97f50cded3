#pragma once

#include <QGroupBox>

namespace tarnwick {

class LoadDocument;

// The boxes of the spot: the drop zone (name, latitude, longitude, elevation in the altitude
// unit; each may be left empty), the jump run offset, the pattern altitude, the reach factor
// and the load's canopy (the groups' unless they have their own). Each is a LoadFieldEdit: the
// load's own checks refuse a value at the box, and each typing session is one undoable edit.
// The labels follow the load's units. `refused` receives the one line of a refused edit.
class SpotInputs : public QGroupBox {
  Q_OBJECT

 public:
  SpotInputs(LoadDocument& document, QWidget* parent = nullptr);

 signals:
  void refused(const QString& message);
};

}  // namespace tarnwick
