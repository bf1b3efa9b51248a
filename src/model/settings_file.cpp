// QORA2000.ini through SimpleIni: names compared without case, and a save that keeps
// every other section, key and comment of the file where it was.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <QFileInfo>

#include "model/language.h"
#include "model/settings.h"
#include "model/text_file.h"

namespace qora {

namespace {

// Comment lines at the very end of a file belong to no key, and the store drops them;
// they are put back at the end of the saved file.
QByteArray TrailingComments(const QByteArray& bytes) {
  QList<QByteArray> lines = bytes.split('\n');
  qsizetype first = lines.size();
  bool anyComment = false;
  while (first > 0) {
    const QByteArray l = lines[first - 1].trimmed();
    if (!l.isEmpty() && !l.startsWith(';') && !l.startsWith('#')) break;
    anyComment = anyComment || !l.isEmpty();
    --first;
  }
  if (!anyComment) return {};
  QByteArray out;
  for (qsizetype i = first; i < lines.size(); ++i) {
    const QByteArray l = lines[i].trimmed();
    if (!l.isEmpty()) out += l + '\n';
  }
  return out;
}

// A line that is neither a section, a comment nor "key=value" is kept by the store as a
// key without value; it is given an explicit empty value first, because the store would
// otherwise attach the previous key's value to it.
QByteArray WithEmptyValues(const QByteArray& bytes) {
  QList<QByteArray> lines = bytes.split('\n');
  for (QByteArray& line : lines) {
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || t.startsWith('[') ||
        t.contains('=')) {
      continue;
    }
    if (line.endsWith('\r')) {
      line.insert(line.size() - 1, '=');
    } else {
      line.append('=');
    }
  }
  return lines.join('\n');
}

// Parses the file's bytes; false when the file exists but cannot be read as a file (a
// directory, no permission), so that a save never replaces what it could not read.
bool LoadIni(CSimpleIniA& ini, const QString& iniPath, bool* existed,
             QByteArray* trailing = nullptr) {
  ini.SetUnicode(true);
  ini.SetMultiKey(false);
  ini.SetMultiLine(false);
  ini.SetSpaces(false);
  ini.SetAllowKeyOnly(true);  // a line without '=' is kept as it is
  const QFileInfo info(iniPath);
  *existed = info.exists();
  if (!*existed) return true;
  // A file too large to be ours is neither read nor saved over (part of it would be lost).
  if (info.size() > kMaxTextFileBytes) return false;
  QByteArray bytes;
  if (!ReadFileBytes(iniPath, bytes)) return false;
  if (trailing) *trailing = TrailingComments(bytes);
  bytes = WithEmptyValues(bytes);
  return ini.LoadData(bytes.constData(), static_cast<size_t>(bytes.size())) >= 0;
}

// Writes the store back, with the trailing comments it dropped.
bool SaveIni(const CSimpleIniA& ini, const QByteArray& trailing, const QString& iniPath) {
  std::string out;
  if (ini.Save(out, false) < 0) return false;
  return WriteFileAtomically(iniPath, QByteArray::fromStdString(out) + trailing);
}

bool ParseInt(const QString& text, int* value) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  if (ok) *value = v;
  return ok;
}

// Text values of files written by older editions are in the language's 8-bit code
// page; ours are UTF-8. The currency byte 0xDF of the older files is the Baht sign of the
// Thai code page (their shipped default), whatever the language: in the Western code
// page it would read as "ß".
QString ValueText(const SettingKey& key, const char* raw, int langIndex) {
  const QByteArray bytes(raw);
  if (bytes == "\xDF" && FindSettingKey(kSecParams, "currency") == &key) {
    return QString::fromUtf8("\xE0\xB8\xBF");
  }
  return DecodeLanguageBytes(bytes, langIndex);
}

}  // namespace

bool LoadSettings(Settings& settings, const QString& iniPath) {
  settings = Settings();
  CSimpleIniA ini;
  bool existed = false;
  if (!LoadIni(ini, iniPath, &existed) || !existed) return false;

  int lang = 1;
  if (const char* raw = ini.GetValue(kSecMain, "Language")) ParseInt(raw, &lang);

  for (const SettingKey& k : SettingKeys()) {
    if (k.kind == KeyKind::Transient) continue;
    const char* raw = ini.GetValue(k.section, k.key);
    if (!raw) continue;
    const KeyName key = KeyName::runtime(k.key);
    if (k.kind == KeyKind::Int) {
      // A value the key cannot hold (Units=9) is the key's default, and is saved so.
      int v = 0;
      if (ParseInt(QString::fromLatin1(raw), &v) && v >= k.minValue && v <= k.maxValue) {
        settings.setInteger(k.section, key, v);
      }
    } else {
      settings.setText(k.section, key, ValueText(k, raw, lang));
    }
  }
  return true;
}

bool SaveSettings(const Settings& settings, const QString& iniPath) {
  CSimpleIniA ini;
  bool existed = false;
  QByteArray trailing;
  if (!LoadIni(ini, iniPath, &existed, &trailing)) return false;

  for (const SettingKey& k : SettingKeys()) {
    if (k.kind == KeyKind::Transient) continue;
    const KeyName key = KeyName::runtime(k.key);
    QString value;
    if (k.kind == KeyKind::Int) {
      int v = settings.integer(k.section, key);
      if (FindSettingKey(kSecParams, "FactorBy") == &k) {
        v = 1;  // every run starts with the typed-in surface coefficient
      } else if (FindSettingKey(kSecStorage, "k_CHILL") == &k) {
        v = v == 1 ? 1 : 0;  // the chilled-water radio button, else the hot-water one
      } else if (FindSettingKey(kSecRValue, "Select") == &k) {
        v = v == 0 ? 0 : 1;  // the mean-temperature radio button, else the k one
      }
      value = QString::number(v);
    } else {
      value = OneLine(settings.text(k.section, key));
    }
    if (ini.SetValue(k.section, k.key, value.toUtf8().constData()) < 0) return false;
  }
  return SaveIni(ini, trailing, iniPath);
}

bool WriteLanguageIndex(const QString& iniPath, int langIndex) {
  CSimpleIniA ini;
  bool existed = false;
  QByteArray trailing;
  if (!LoadIni(ini, iniPath, &existed, &trailing)) return false;
  const QByteArray value = QByteArray::number(langIndex);
  if (ini.SetValue(kSecMain, "Language", value.constData()) < 0) return false;
  return SaveIni(ini, trailing, iniPath);
}

int ReadLanguageIndex(const QString& iniPath) {
  CSimpleIniA ini;
  bool existed = false;
  if (!LoadIni(ini, iniPath, &existed) || !existed) return 1;
  int lang = 1;
  if (const char* raw = ini.GetValue(kSecMain, "Language")) {
    if (!ParseInt(QString::fromLatin1(raw), &lang)) lang = 1;
  }
  return lang >= 1 && lang <= 6 ? lang : 1;
}

}  // namespace qora
