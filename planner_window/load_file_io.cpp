#include "planner_window/load_file_io.h"

#include <QFile>
#include <QSaveFile>

#include "load/load_file.h"

namespace tarnwick {
namespace {

// A load is a few kilobytes; anything far larger is not one, and is not read into memory.
constexpr qint64 kMaxLoadFileBytes = 4 * 1024 * 1024;

}  // namespace

OpenedLoad ReadLoadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {std::nullopt, QStringLiteral("%1: %2").arg(path, file.errorString())};
  }
  if (file.size() > kMaxLoadFileBytes) {
    return {std::nullopt, QStringLiteral("%1: too large for a load file").arg(path)};
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    return {std::nullopt, QStringLiteral("%1: %2").arg(path, file.errorString())};
  }
  load::ReadLoad read = load::ReadLoadText(std::string_view(bytes.constData(), bytes.size()));
  if (!read.load) {
    return {std::nullopt, QStringLiteral("%1: %2").arg(path, QString::fromStdString(read.error))};
  }
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
