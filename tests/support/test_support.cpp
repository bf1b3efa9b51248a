#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace qora::test {

::testing::AssertionResult Near(long double actual, long double expected, long double tol) {
  if (std::isfinite(actual) && std::fabs(actual - expected) <= tol) {
    return ::testing::AssertionSuccess();
  }
  std::ostringstream s;
  s.precision(21);
  s << "actual " << actual << " differs from expected " << expected << " by more than " << tol;
  return ::testing::AssertionFailure() << s.str();
}

TempHome::TempHome() {
  EXPECT_TRUE(dir_.isValid());
}

static bool CopyRecursively(const QString& from, const QString& to) {
  QFileInfo info(from);
  if (info.isDir()) {
    QDir().mkpath(to);
    for (const QFileInfo& e : QDir(from).entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries)) {
      if (!CopyRecursively(e.filePath(), to + "/" + e.fileName())) return false;
    }
    return true;
  }
  QFile::remove(to);
  return QFile::copy(from, to) &&
         QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

void TempHome::copyShipped(const QString& relative) const {
  const QString from = QStringLiteral(QORA_SOURCE_DIR "/data/") + relative;
  EXPECT_TRUE(CopyRecursively(from, path() + "/" + relative)) << relative.toStdString();
}

void TempHome::writeFile(const QString& relative, const QByteArray& bytes) const {
  const QString full = path() + "/" + relative;
  QDir().mkpath(QFileInfo(full).path());
  QFile f(full);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

QByteArray TempHome::readFile(const QString& relative) const {
  QFile f(path() + "/" + relative);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

::testing::AssertionResult MatchesReference(const std::string& actual,
                                            const std::string& relativePath) {
  const std::string full = std::string(QORA_SOURCE_DIR "/tests/") + relativePath;
  const char* update = std::getenv("QORA_UPDATE_REFERENCES");
  if (update && std::string(update) == "1") {
    QDir().mkpath(QFileInfo(QString::fromStdString(full)).path());
    std::ofstream out(full, std::ios::binary);
    out << actual;
    return ::testing::AssertionSuccess();
  }
  std::ifstream in(full, std::ios::binary);
  if (!in) {
    return ::testing::AssertionFailure()
           << "missing reference " << full << " (run with QORA_UPDATE_REFERENCES=1 to create it)";
  }
  std::stringstream buf;
  buf << in.rdbuf();
  const std::string expected = buf.str();
  if (expected == actual) return ::testing::AssertionSuccess();
  // Report the first differing line, which is what a reader needs to see.
  std::istringstream a(actual), e(expected);
  std::string la, le;
  int line = 1;
  while (true) {
    const bool ga = static_cast<bool>(std::getline(a, la));
    const bool ge = static_cast<bool>(std::getline(e, le));
    if (!ga && !ge) break;
    if (la != le || ga != ge) {
      return ::testing::AssertionFailure() << relativePath << " differs at line " << line
                                           << "\n  expected: " << le << "\n  actual:   " << la;
    }
    ++line;
  }
  return ::testing::AssertionFailure() << relativePath << " differs (line endings)";
}

}  // namespace qora::test

namespace qora::test {

std::vector<QStringList> ParseCsvRecords(const QString& text, bool* valid) {
  std::vector<QStringList> records;
  QStringList fields;
  QString field;
  bool quoted = false, afterQuote = false, ok = true;
  for (int i = 0; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (quoted) {
      if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (ch == '"') {
        quoted = false;
        afterQuote = true;
      } else {
        field += ch;
      }
    } else if (ch == '"') {
      if (!field.isEmpty() || afterQuote) ok = false;
      quoted = true;
    } else if (ch == ',') {
      fields << field;
      field.clear();
      afterQuote = false;
    } else if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      fields << field;
      records.push_back(fields);
      fields.clear();
      field.clear();
      afterQuote = false;
      ++i;
    } else if (ch == '\n' || ch == '\r' || afterQuote) {
      ok = false;
    } else {
      field += ch;
    }
  }
  if (quoted || !field.isEmpty() || !fields.isEmpty()) ok = false;
  if (valid) *valid = ok;
  return records;
}

}  // namespace qora::test
