// A program folder for one fuzzing process: each input is written to a file there, since
// the readers take file names, as the program gives them.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace qora::fuzz {

inline const QString& HomeDir() {
  static QTemporaryDir dir;
  static const QString path = dir.path();
  return path;
}

inline QString WriteInput(const QString& relative, const uint8_t* data, size_t size) {
  const QString path = HomeDir() + "/" + relative;
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  return path;
}

// A broken promise of a reader is a finding like a crash.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace qora::fuzz
