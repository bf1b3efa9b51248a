// Helpers shared by every test folder: one tolerance rule for reals, temporary program
// folders, and comparison of text output with committed reference files.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace qora::test {

// The one tolerance for comparing reals: |actual - expected| <= tol (absolute).
::testing::AssertionResult Near(long double actual, long double expected, long double tol);
#define EXPECT_REAL_NEAR(actual, expected, tol) \
  EXPECT_TRUE(::qora::test::Near((actual), (expected), (tol)))

// A fresh, empty program folder; removed with the object.
class TempHome {
 public:
  TempHome();
  QString path() const { return dir_.path(); }
  // Copies one shipped data file or folder (relative to data/) into the folder.
  void copyShipped(const QString& relative) const;
  void writeFile(const QString& relative, const QByteArray& bytes) const;
  QByteArray readFile(const QString& relative) const;

 private:
  QTemporaryDir dir_;
};

// Compares text with the committed reference file `tests/<relativePath>`. When the
// environment variable QORA_UPDATE_REFERENCES=1 is set, the reference is rewritten
// instead (how to regenerate every draw-list reference) and the check passes.
::testing::AssertionResult MatchesReference(const std::string& actual,
                                            const std::string& relativePath);

}  // namespace qora::test

namespace qora::test {

// The records of RFC 4180 text (CRLF between records, quoted fields with doubled quotes),
// read independently of the code under test. `valid` (when given) is false for a bare line
// break, text after a closing quote, an unclosed quote or a last record without CRLF.
std::vector<QStringList> ParseCsvRecords(const QString& text, bool* valid = nullptr);

}  // namespace qora::test
