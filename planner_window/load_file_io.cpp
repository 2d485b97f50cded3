#include "planner_window/load_file_io.h"

#include <QFile>
#include <QSaveFile>

#include "load/load_file.h"

namespace tarnwick {

OpenedLoad ReadLoadFile(const QString& path) {
  // The command line's reader: the same limits, refusals and messages.
  load::ReadLoad read = load::ReadLoadFile(QFile::encodeName(path).toStdString());
  if (!read.load) return {std::nullopt, QString::fromStdString(read.error)};
  return {std::move(read.load), {}};
}

QString WriteLoadFile(const QString& path, const load::Load& load) {
  const std::string text = load::WriteLoadText(load);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  const auto size = static_cast<qint64>(text.size());
  if (file.write(text.data(), size) != size) {
    const QString error = file.errorString();
    file.cancelWriting();
    return error;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace tarnwick
