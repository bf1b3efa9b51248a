// Language texts: the message file of the active language (messages, font faces, name
// tables, captions and hints by role) and the keyed sections of the other text files.
// Files are read as UTF-8 when their bytes are valid UTF-8, else in the language's legacy
// code page (EN/EU/QORAPUR windows-1252, THAI windows-874, CN GBK, JP Shift_JIS).
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

namespace qora {

// Folder of each language index 1..6.
inline constexpr std::array<const char*, 6> LangFolders = {"EN", "EU",   "CN",
                                                           "JP", "THAI", "QORAPUR"};

// The font rule, the one place that says which family a text is drawn with: the face the
// message file names for the entry, else the family of the edition's script that the
// set-up installs (Latin editions Liberation Sans, THAI Garuda, CN WenQuanYi Zen Hei, JP
// IPAGothic). Never an empty face.
QString EditionFace(int langIndex);

struct LanguageTexts {
  int langIndex = 1;              // edition whose message file these texts are (1..6)
  std::array<QString, 73> msg;    // MsgText, index 0..72
  std::array<QString, 23> fonts;  // LangFontNames, index 0..22
  std::array<QString, 10> menuItemNames;
  std::array<QString, 3> unitSystemNames;             // [system-1]
  std::array<QString, 12> quantityNames;              // [code-1]
  std::array<std::array<QString, 12>, 3> unitLabels;  // [system-1][code-1]
  std::array<QString, 2> pipeTypeNames;
  std::array<QString, 2> factorByNames;
  std::array<QString, 7> shapeNames;  // 0-based
  std::array<QString, 3> emissivityNames;
  std::array<QString, 4> energySourceNames;
  std::array<QString, 10> catalogueTitles;
  std::array<QString, 10> appendixTitles;
  std::array<QString, 18> conversionTitles;
  std::array<QString, 3> tankShapeNames;
  QString logoPictureName = QStringLiteral("QORALINE.WMF");
  // Captions and hints by role "Form.Component", e.g. "QORAForm.ChillText",
  // "ChillLocalDlg.haLabel", "ParamDlg.RHSheet"; windows apply them when they are built.
  QHash<QString, QString> captions;
  QHash<QString, QString> hints;
  // Font face by role, as the message file assigns them (face 22, 8 or 10). A form's
  // window caption has the role of the form alone ("ChillLocalDlg") and its face is the
  // face of the whole form. Roles without a face keep the window's own font.
  QHash<QString, QString> faces;
  // The face of every control that shows a unit, including each "...UnitLabel" of the
  // chilled-water and hot-water panels (face 10 for EN, EU and QORAPUR, else face 22).
  QString unitLabelFace;
  // The two items of the parameters dialog's pipe-type list (the insulation-cost tabs).
  QStringList selPipeComboItems = {QStringLiteral("Iron Pipe (IPS)"),
                                   QStringLiteral("Copper Pipe")};

  // Accessors by the numbers the layouts use: MsgText 0..72 by entry, the unit vocabulary
  // by 1-based system and quantity code (out of range: empty text). Font(i) is face i by
  // the font rule above: a family name, never empty.
  QString MsgText(int i) const;
  QString Font(int i) const;
  QString UnitLabel(int system, int code) const;
  QString QuantityName(int code) const;
  QString UnitSystemName(int system) const;
  // Caption of a role; the built-in layout text when the message file gave none.
  QString caption(const QString& role) const;
  QString hint(const QString& role) const;
};

// The built-in English texts (before any message file is read).
LanguageTexts BuiltinLanguageTexts();
// The English caption or hint of a role when no message file gave one (empty for a role
// the message file does not name).
QString BuiltinCaption(const QString& role);
QString BuiltinHint(const QString& role);

// The edition a name given on a command line stands for: the folder names "EN", "EU",
// "CN", "JP", "THAI", "QORAPUR" in any case give their language index 1..6, any other text
// 0.
int EditionIndex(const QString& name);
// The edition names with what each edition is, for help texts: "EN (English), EU (German),
// ...".
QString EditionNamesForHelp();

// The folder name of langIndex (out-of-range index -> "EN").
QString LanguageFolder(int langIndex);
// appDir/L/L-base, L the folder of langIndex (out-of-range index -> "EN").
QString LanguageFilePath(const QString& appDir, int langIndex, const QString& base);
// The file an edition's pages are read from: its own, or the English one when its folder
// lacks the file (as the message file falls back). The language index to decode it with
// is stored in `decodeAs`.
QString LanguageFileOrEnglish(const QString& appDir, int langIndex, const QString& base,
                              int* decodeAs);

// The decoded lines of a language file, without line ends; `opened` tells whether the
// file could be read.
QStringList ReadLanguageLines(const QString& path, int langIndex, bool* opened);

// The 369 lines of a message file's fixed part as these texts would be read back
// (lines the reader ignores are empty).
QStringList MessageFileFixedPart(const LanguageTexts& texts);

// Reads the message file into texts; a missing file changes nothing (returns false).
// Lines beyond the 73 messages and 23 faces are dropped; fixed-part lines past the end of
// a short file leave the built-in texts in place.
bool LoadLanguageTexts(LanguageTexts& texts, const QString& appDir, int langIndex);

// The lines of the section `key` (a line equal to the key exactly, up to the next line
// starting with '@' or the end of the file). Missing file or key: empty list.
QStringList ReadSection(const QString& path, const QString& key, int langIndex);
// The same rule on lines already read (a page that draws many sections of one file).
QStringList SectionOf(const QStringList& lines, const QString& key);

// Point size of the body text of the catalogue and conversion pages for a screen width in
// pixels: up to 800 -> 10, up to 1024 -> 12, up to 2000 -> 14, wider -> 10.
int TextSizeForScreen(int screenWidth);

// Decodes file bytes: UTF-8 when valid, else the legacy code page of the language.
QString DecodeLanguageBytes(const QByteArray& bytes, int langIndex);

}  // namespace qora
