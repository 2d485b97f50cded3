#pragma once

#include <QString>
#include <optional>

#include "load/load_model.h"

namespace tarnwick {

// The file extension of load files, which the desktop's MIME type matches too.
inline const QString kLoadFileSuffix = QStringLiteral(".tarnwick-load.json");

// The Open and Save As dialogs' filters: load files by their own extension and by the plain
// .json a user may have given them (saturday.json), then every JSON file.
inline const QString kLoadFileFilter =
    QStringLiteral("Load files (*.tarnwick-load.json *.json);;All JSON files (*.json)");

struct OpenedLoad {
  std::optional<load::Load> load;
  QString error;  // one line, when load is empty
};

// Reads and checks a load file as load::ReadLoadFile does: never blocking, never more than the
// file limit, the error one line naming the file.
OpenedLoad ReadLoadFile(const QString& path);

// Writes the load as a file, all or nothing: a failure leaves any earlier file as it was.
// Returns the reason on failure, empty on success.
QString WriteLoadFile(const QString& path, const load::Load& load);

}  // namespace tarnwick
