// The parameter tables (pipe sizes, k values, relative humidities, R values, surface
// temperatures; one set per unit system) and their file QORApara.qdt (901 lines, read and
// written by position). Every entry is text of at most 10 characters; an empty entry is an
// empty row. Accessors take the 1-based indices of the file layout.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace qora {

struct LanguageTexts;

struct ParamTables {
  // [pipeType-1][unit-1][row-1][col-1]: col 1 size name, 2 outside, 3 inside diameter
  std::array<std::array<std::array<std::array<QString, 3>, 40>, 3>, 2> pipeSize;
  std::array<std::array<QString, 10>, 3> kChilled;  // [unit-1][row-1]
  std::array<std::array<QString, 10>, 3> kHot;
  std::array<QString, 10> rh;
  std::array<std::array<std::array<QString, 10>, 2>, 3> rValue;  // [unit-1][col-1][row-1]
  std::array<std::array<QString, 10>, 3> tsurf;

  const QString& PipeSize(int pipeType, int unit, int row, int col) const {
    return pipeSize[pipeType - 1][unit - 1][row - 1][col - 1];
  }
};

// Non-empty texts of a list, in table order (what a combo box is filled with).
QStringList PipeSizeNames(const ParamTables& t, int pipeType, int unit);
template <size_t N>
QStringList NonEmpty(const std::array<QString, N>& list) {
  QStringList out;
  for (const QString& s : list) {
    if (!s.isEmpty()) out.append(s);
  }
  return out;
}

// Clears the pipe-size and k tables, then reads the file; a missing file leaves those
// three empty and the others unchanged; a short file gives empty entries. Value lines are
// cut to 10 characters. Returns false when the file could not be opened.
bool ReadParamFile(ParamTables& t, const QString& path, int langIndex = 1);
// Writes the 901 lines atomically, comment lines with the current names; false on failure
// (the old file stays whole).
bool WriteParamFile(const ParamTables& t, const LanguageTexts& names, const QString& path);

}  // namespace qora
