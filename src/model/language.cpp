#include "model/language.h"

#include <QFileInfo>
#include <QStringDecoder>

#include "engine/units.h"
#include "model/text_file.h"
#include "toolkit/font_families.h"

namespace qora {

namespace {

template <std::size_t N>
QString At(const std::array<QString, N>& a, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < N ? a[static_cast<std::size_t>(i)] : QString();
}

template <std::size_t N>
void Fill(std::array<QString, N>& a, std::initializer_list<const char*> texts) {
  std::size_t i = 0;
  for (const char* t : texts) a[i++] = QString::fromUtf8(t);
}

const char* LegacyCodec(int langIndex) {
  switch (langIndex) {
    case 3:
      return "GBK";
    case 4:
      return "Shift_JIS";
    case 5:
      // Qt's "cp874" is IBM's table; the files were written with Windows' Thai page.
      return "windows-874";
    default:
      return "windows-1252";
  }
}

}  // namespace

QString LanguageTexts::MsgText(int i) const {
  return At(msg, i);
}
QString EditionFace(int langIndex) {
  switch (langIndex) {
    case 3:
      return QString::fromLatin1(kChineseFace);
    case 4:
      return QString::fromLatin1(kJapaneseFace);
    case 5:
      return QString::fromLatin1(kThaiFace);
    default:
      return QString::fromLatin1(kLatinFace);
  }
}

QString LanguageTexts::Font(int i) const {
  const QString face = At(fonts, i).trimmed();
  return face.isEmpty() ? EditionFace(langIndex) : face;
}
QString LanguageTexts::QuantityName(int code) const {
  return At(quantityNames, code - 1);
}
QString LanguageTexts::UnitSystemName(int system) const {
  return At(unitSystemNames, system - 1);
}

QString LanguageTexts::UnitLabel(int system, int code) const {
  if (system < 1 || system > 3) return {};
  return At(unitLabels[static_cast<std::size_t>(system - 1)], code - 1);
}

QString LanguageTexts::caption(const QString& role) const {
  const auto it = captions.constFind(role);
  return it != captions.constEnd() ? *it : BuiltinCaption(role);
}

QString LanguageTexts::hint(const QString& role) const {
  const auto it = hints.constFind(role);
  return it != hints.constEnd() ? *it : BuiltinHint(role);
}

LanguageTexts BuiltinLanguageTexts() {
  LanguageTexts t;
  t.fonts.fill(QString::fromLatin1(kLatinFace));
  Fill(t.menuItemNames,
       {"Product Data", "Chilled Water", "Hot Water", "Duct System", "Storage Tank",
        "Operating Tank", "R Value", "Appendix", "Conversion", "Quit"});
  for (int s = 0; s < 3; ++s) {
    t.unitSystemNames[s] = QString::fromStdString(kBuiltinUnitSystemNames[s]);
    for (int c = 0; c < 12; ++c) {
      t.unitLabels[s][c] = QString::fromStdString(kBuiltinUnitLabels[s][c]);
    }
  }
  for (int c = 0; c < 12; ++c)
    t.quantityNames[c] = QString::fromStdString(kBuiltinQuantityNames[c]);
  Fill(t.pipeTypeNames, {"Iron Pipe (IPS)", "Copper Pipe"});
  Fill(t.factorByNames, {"By Manual Input", "By ASTM C680"});
  Fill(t.shapeNames, {"Horizontal cylinders", "Longer vertical cylinders", "Vertical plates",
                      "Plates,Warmer,Upward", "Plates,Warmer,Downward", "Plates,Cooler,Upward",
                      "Plates,Cooler,Downward"});
  Fill(t.emissivityNames, {"No Jacket Value", "Jacket Cover Value", "Customize Value"});
  Fill(t.energySourceNames, {"Electricity", "GAS", "Oil Fuel", "Other"});
  Fill(t.catalogueTitles,
       {" 1. Introduction", " 2. Products and Application",
        " 3. Characteristics and Main Advantages", " 4. Specifications", " 5. Hot Water Piping",
        " 6. Chilled Water Piping", " 7. In service worldwide",
        " 8. Standard packing (IMPERIAL SYSTEM)", " 9. Standard packing (METRIC SYSTEM)",
        "10. International distribution"});
  Fill(t.appendixTitles,
       {" 1. Abbreviations and Symbols", " 2. Heat Transfer", " 3. Conduction Heat Transfer",
        " 4. Thermal Conductivity", " 5. Convection Heat Transfer",
        " 6. Convection Coefficient of Air", " 7. Psychrometrics", " 8. Thermodynamic Fundamentals",
        " 9. Physical Constants", "10. Equation"});
  Fill(t.conversionTitles,
       {" 1. Acceleration", " 2. Area", " 3. Density", " 4. Energy or Work", " 5. Flow rate (mass)",
        " 6. Flow rate (volume)", " 7. Flow rate (volume/area)", " 8. Force", " 9. Heat flux",
        "10. Heat loss coefficient of building", "11. Heat transfer coefficient", "12. Length",
        "13. Mass", "14. Power", "15. Temperature", "16. Thermal conductivity or resistance",
        "17. Volume", "18. Volume flow rate"});
  Fill(t.tankShapeNames, {"SQUARE TANK", "CYLINDER TANK", "SPHERE TANK"});
  return t;
}

int EditionIndex(const QString& name) {
  for (std::size_t i = 0; i < LangFolders.size(); ++i) {
    if (name.compare(QLatin1String(LangFolders[i]), Qt::CaseInsensitive) == 0)
      return static_cast<int>(i) + 1;
  }
  return 0;
}

QString EditionNamesForHelp() {
  static const char* const what[] = {"English",  "German", "Simplified Chinese",
                                     "Japanese", "Thai",   "second brand, English"};
  QStringList names;
  for (std::size_t i = 0; i < LangFolders.size(); ++i)
    names << QStringLiteral("%1 (%2)").arg(QLatin1String(LangFolders[i]), QLatin1String(what[i]));
  return names.join(QStringLiteral(", "));
}

QString LanguageFolder(int langIndex) {
  const int i = langIndex >= 1 && langIndex <= 6 ? langIndex : 1;
  return QString::fromLatin1(LangFolders[static_cast<std::size_t>(i - 1)]);
}

QString LanguageFilePath(const QString& appDir, int langIndex, const QString& base) {
  const QString l = LanguageFolder(langIndex);
  return appDir + QLatin1Char('/') + l + QLatin1Char('/') + l + QLatin1Char('-') + base;
}

QString LanguageFileOrEnglish(const QString& appDir, int langIndex, const QString& base,
                              int* decodeAs) {
  const QString own = LanguageFilePath(appDir, langIndex, base);
  const bool present = QFileInfo(own).isFile();
  if (decodeAs) *decodeAs = present ? langIndex : 1;
  return present ? own : LanguageFilePath(appDir, 1, base);
}

QString DecodeLanguageBytes(const QByteArray& bytes, int langIndex) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  QStringDecoder legacy(LegacyCodec(langIndex));
  if (!legacy.isValid()) return QString::fromLatin1(bytes);
  return legacy.decode(bytes);
}

QStringList ReadLanguageLines(const QString& path, int langIndex, bool* opened) {
  QByteArray bytes;
  const bool ok = ReadFileBytes(path, bytes);
  if (opened) *opened = ok;
  if (!ok) return {};
  return SplitLines(DecodeLanguageBytes(bytes, langIndex));
}

int TextSizeForScreen(int w) {
  if (w <= 800) return 10;
  if (w <= 1024) return 12;
  if (w <= 2000) return 14;
  return 10;
}

QStringList ReadSection(const QString& path, const QString& key, int langIndex) {
  return SectionOf(ReadLanguageLines(path, langIndex, nullptr), key);
}

QStringList SectionOf(const QStringList& lines, const QString& key) {
  QStringList section;
  qsizetype i = lines.indexOf(key);
  if (i < 0) return section;
  for (++i; i < lines.size() && !lines[i].startsWith(QLatin1Char('@')); ++i) {
    section.append(lines[i]);
  }
  return section;
}

}  // namespace qora
