// Plain-text file helpers shared by the settings, table and language readers: bounded
// reading, atomic writing, line splitting and the per-entry width cut.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qora {

// The largest file any reader takes in; our files are a few tens of kilobytes, so a
// larger one is not one of ours and only its first part is read.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

// Reads a regular file (not a directory or device) into bytes; false when it cannot be
// opened.
bool ReadFileBytes(const QString& path, QByteArray& bytes);

// Replaces the file in one step (write to a temporary file, then rename): on any failure
// the old file stays whole and false is returned.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Lines of a text, each without its line end (LF or CR LF); nothing else is trimmed. A
// final line end does not start another, empty line.
QStringList SplitLines(const QString& text);

// The first n characters, never splitting a surrogate pair.
QString CutToChars(const QString& text, int n);

// One line of a file we write: line breaks inside an entry would shift every later
// position of a positional file, so they become blanks.
QString OneLine(const QString& text);

// Reads a positional file's lines one after another; past the end every line is empty.
class LineCursor {
 public:
  explicit LineCursor(QStringList lines) : lines_(std::move(lines)) {}
  QString next() { return pos_ < lines_.size() ? lines_[pos_++] : (++pos_, QString()); }
  void skip() { ++pos_; }
  // A value line: at most 10 characters, the rest of the line dropped.
  QString value() { return CutToChars(next(), 10); }

 private:
  QStringList lines_;
  qsizetype pos_ = 0;
};

// Builds a file of lines, each ended by LF, encoded as UTF-8.
class LineWriter {
 public:
  void line(const QString& text) {
    out_ += OneLine(text).toUtf8();
    out_ += '\n';
  }
  const QByteArray& bytes() const { return out_; }

 private:
  QByteArray out_;
};

}  // namespace qora
