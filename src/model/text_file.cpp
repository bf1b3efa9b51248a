#include "model/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace qora {

bool ReadFileBytes(const QString& path, QByteArray& bytes) {
  const QFileInfo info(path);
  if (!info.isFile()) return false;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  bytes = f.read(kMaxTextFileBytes);
  return true;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  if (QFileInfo(path).isDir()) return false;
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

QStringList SplitLines(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QString& l : lines) {
    if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
  }
  return lines;
}

QString CutToChars(const QString& text, int n) {
  if (text.size() <= n) return text;
  int cut = n;
  if (cut > 0 && text.at(cut - 1).isHighSurrogate()) --cut;
  return text.left(cut);
}

QString OneLine(const QString& text) {
  QString s = text;
  s.replace(QLatin1Char('\r'), QLatin1Char(' '));
  s.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return s;
}

}  // namespace qora
