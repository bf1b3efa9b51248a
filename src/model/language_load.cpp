// The message file: block A (messages), block B (font faces), then the fixed part read
// by line number into the name tables and the captions, hints and faces by role.
#include <QHash>
#include <optional>

#include "model/language.h"
#include "model/language_roles.h"
#include "model/text_file.h"

namespace qora {

namespace {

const QHash<QString, QString>& BuiltinTexts(RoleTarget want) {
  static const auto build = [](RoleTarget t) {
    QHash<QString, QString> h;
    for (const RoleLine& r : MessageFileRoles()) {
      const bool isCaption = r.target != RoleTarget::Hint;
      const bool isHint = r.target != RoleTarget::Caption;
      if ((t == RoleTarget::Caption && isCaption) || (t == RoleTarget::Hint && isHint)) {
        h.insert(QString::fromLatin1(r.role), QString::fromUtf8(r.english));
      }
    }
    if (t == RoleTarget::Caption) {
      h.insert("InsuSzDlg.InsuSzHd01StaticText", h.value("InsuSzDlg.InsuSzTubeIDTabSheet"));
      h.insert("InsuSzDlg.InsuSzHd04StaticText", h.value("InsuSzDlg.InsuSzTubeIDTabSheet"));
      h.insert("QORAForm.StorUntLabel06", h.value("ParamDlg.EconUnHpDLabel"));
      h.insert("ParamDlg.SrcSrcLabel", h.value("ParamDlg.SourceStaticText"));
    }
    return h;
  };
  static const QHash<QString, QString> captions = build(RoleTarget::Caption);
  static const QHash<QString, QString> hints = build(RoleTarget::Hint);
  return want == RoleTarget::Hint ? hints : captions;
}

// Fixed-part lines numbered from 1; nullopt past the end of the file.
class FixedPart {
 public:
  FixedPart(const QStringList& lines, qsizetype start) : lines_(lines), start_(start) {}
  std::optional<QString> line(int n) const {
    const qsizetype i = start_ + n - 1;
    if (i < 0 || i >= lines_.size()) return std::nullopt;
    return lines_[i];
  }
  // Lines present in the file replace the table entries (cut to the width); entries
  // whose lines lie past the end keep their built-in texts.
  template <std::size_t N>
  void into(std::array<QString, N>& table, int firstLine, int width) const {
    for (std::size_t i = 0; i < N; ++i) {
      if (const auto l = line(firstLine + static_cast<int>(i))) {
        table[i] = width > 0 ? CutToChars(*l, width) : *l;
      }
    }
  }

 private:
  const QStringList& lines_;
  qsizetype start_;
};

// Reads one block: lines up to the next line starting with '@' (consumed) or the end.
// Lines past the block's room are dropped so that no later line moves.
template <std::size_t N>
qsizetype ReadBlock(const QStringList& lines, qsizetype i, std::array<QString, N>& out) {
  out.fill(QString());
  std::size_t k = 0;
  for (; i < lines.size() && !lines[i].startsWith(QLatin1Char('@')); ++i, ++k) {
    if (k < N) out[k] = lines[i];
  }
  return i < lines.size() ? i + 1 : i;
}

void SetFace(LanguageTexts& t, const QString& role, const QString& face) {
  if (!face.isEmpty()) t.faces.insert(role, face);
}

// Controls that show a unit or a number with a unit share one face.
const char* const kUnitFaceRoles[] = {
    "ChillLocalDlg.haHelp",
    "ChillLocalDlg.TdbUnitLabel",
    "ChillLocalDlg.TopUnitLabel",
    "ChillLocalDlg.haUnitLabel",
    "HotLocalDlg.haHelp",
    "HotLocalDlg.TdbUnitLabel",
    "HotLocalDlg.TopUnitLabel",
    "HotLocalDlg.haUnitLabel",
    "QORAForm.ChillPtLabel",
    "QORAForm.HotPtLabel",
    "QORAForm.ChillOvallCstYrLabel",
    "QORAForm.HotOvallCstYrLabel",
    "QORAForm.HotkConstTsufLabel1",
    "QORAForm.HotTConstTsufLabel",
    "QORAForm.HotTsufTsufLabel",
    "QORAForm.StorUntLabel01",
    "QORAForm.StorUntLabel02",
    "QORAForm.StorUntLabel03",
    "QORAForm.StorUntLabel04",
    "QORAForm.StorUntLabel05",
    "QORAForm.StorUntLabel06",
    "QORAForm.StorUntLabel07",
    "QORAForm.StorAnsUntLabel",
    "QORAForm.OprtTdbUntLabel",
    "QORAForm.OprtTopUntLabel",
    "QORAForm.OprtHaUntLabel",
    "QORAForm.OprtKUntLabel",
    "QORAForm.OprtAnsEnUntLabel",
    "QORAForm.DuctTdbUntLabel",
    "QORAForm.DuctTopUntLabel",
    "QORAForm.DucthaUntLabel",
    "QORAForm.DuctkUntLabel",
    "QORAForm.DuctAnsUntLabel",
    "RValueDlg.TmeanUnitLbl",
    "RValueDlg.kUnitLbl",
    "kCalcDlg.Head3StaticText",
    "kCalcDlg.MovekLabel",
    "kCalcDlg.MoveTLabel",
    "kCalcDlg.TmeanStaticText",
    "kCalcDlg.kTbl1StrGrd",
    "kCalcDlg.kTbl2StrGrd",
    "kCalcDlg.TmeanULabel",
    "ParamDlg.kUnitStaticText",
    "ParamDlg.TsufUnitStaticText",
    "ParamDlg.RUnitStaticText",
    "QORAForm.APDXApTdbUntLabel",
    "QORAForm.APDXApTdpUntLabel",
    "QORAForm.APDXApRHUntLabel2",
    "QORAForm.APDXApRHAnsLabel",
    "QORAForm.APDXApTdpAnsLabel",
};

const char* const kFace22Roles[] = {
    "QORAForm.PRODTabControl",  "QORAForm.APDXTabControl",   "QORAForm.CONVTabControl",
    "QORAForm.UnitSpdBtn",      "QORAForm.StorageComboBox",  "ParamDlg.kValStaticText",
    "ParamDlg.SelPipeComboBox", "ParamDlg.HaComboBox",       "ParamDlg.SourceComboBox",
    "ParamDlg.RValStaticText",  "InsCostDlg.HdInsCostLabel",
};

void ApplyRoles(LanguageTexts& t, const FixedPart& fixed) {
  const QString face22 = t.Font(22);
  for (const RoleLine& r : MessageFileRoles()) {
    const auto text = fixed.line(r.line);
    if (!text) continue;
    const QString role = QString::fromLatin1(r.role);
    if (r.target != RoleTarget::Hint) t.captions.insert(role, *text);
    if (r.target != RoleTarget::Caption) t.hints.insert(role, *text);
    // A form's own caption gives the face to the whole form.
    SetFace(t, role, role == QLatin1String("QORAForm.TitleLabel") ? t.Font(8) : face22);
  }
}

void ApplyDerived(LanguageTexts& t, int langIndex) {
  const QString tubeId = t.caption("InsuSzDlg.InsuSzTubeIDTabSheet");
  t.captions.insert("InsuSzDlg.InsuSzHd01StaticText", tubeId);
  t.captions.insert("InsuSzDlg.InsuSzHd04StaticText", tubeId);
  t.captions.insert("QORAForm.StorUntLabel06", t.caption("ParamDlg.EconUnHpDLabel"));
  t.captions.insert("ParamDlg.SrcSrcLabel", t.caption("ParamDlg.SourceStaticText"));
  t.captions.insert("InsCostDlg.InsCostIPSHeadLabel", t.MsgText(4));
  t.captions.insert("InsCostDlg.InsCostCPHeadLabel", t.MsgText(4));
  t.selPipeComboItems = {t.caption("InsCostDlg.IPSTabSheet"), t.caption("InsCostDlg.CpTabSheet")};

  const QString face22 = t.Font(22);
  for (const char* role : kFace22Roles) SetFace(t, QString::fromLatin1(role), face22);
  const bool latin = langIndex == 1 || langIndex == 6;
  for (const char* role : {"QORAForm.DucthaHelp", "QORAForm.OprtHaHelp", "QORAForm.StorhaHelp"}) {
    SetFace(t, QString::fromLatin1(role), latin ? t.Font(10) : face22);
  }
  const bool unitFace10 = latin || langIndex == 2;
  t.unitLabelFace = unitFace10 ? t.Font(10) : face22;
  for (const char* role : kUnitFaceRoles) SetFace(t, QString::fromLatin1(role), t.unitLabelFace);
}

}  // namespace

QString BuiltinCaption(const QString& role) {
  return BuiltinTexts(RoleTarget::Caption).value(role);
}
QString BuiltinHint(const QString& role) {
  return BuiltinTexts(RoleTarget::Hint).value(role);
}

bool LoadLanguageTexts(LanguageTexts& t, const QString& appDir, int langIndex) {
  bool opened = false;
  const QStringList lines =
      ReadLanguageLines(LanguageFilePath(appDir, langIndex, "msg.qdt"), langIndex, &opened);
  if (!opened) return false;

  t.langIndex = langIndex >= 1 && langIndex <= 6 ? langIndex : 1;
  qsizetype i = ReadBlock(lines, 0, t.msg);
  i = ReadBlock(lines, i, t.fonts);
  const FixedPart fixed(lines, i);

  fixed.into(t.menuItemNames, 1, 0);
  fixed.into(t.unitSystemNames, 11, 20);
  fixed.into(t.quantityNames, 14, 30);
  fixed.into(t.pipeTypeNames, 26, 20);
  fixed.into(t.factorByNames, 28, 20);
  fixed.into(t.shapeNames, 30, 30);
  fixed.into(t.emissivityNames, 37, 20);
  fixed.into(t.energySourceNames, 40, 20);
  fixed.into(t.catalogueTitles, 44, 0);
  fixed.into(t.appendixTitles, 54, 0);
  fixed.into(t.conversionTitles, 64, 0);
  fixed.into(t.tankShapeNames, 82, 0);
  for (int s = 0; s < 3; ++s) fixed.into(t.unitLabels[s], 85 + 12 * s, 20);

  ApplyRoles(t, fixed);
  ApplyDerived(t, langIndex);
  if (langIndex == 6) t.logoPictureName = QStringLiteral("QORAPUR.WMF");
  return true;
}

QStringList MessageFileFixedPart(const LanguageTexts& t) {
  QStringList out(kLastFixedLine);
  const auto put = [&out](int first, const auto& table) {
    for (std::size_t i = 0; i < table.size(); ++i) out[first - 1 + static_cast<int>(i)] = table[i];
  };
  put(1, t.menuItemNames);
  put(11, t.unitSystemNames);
  put(14, t.quantityNames);
  put(26, t.pipeTypeNames);
  put(28, t.factorByNames);
  put(30, t.shapeNames);
  put(37, t.emissivityNames);
  put(40, t.energySourceNames);
  put(44, t.catalogueTitles);
  put(54, t.appendixTitles);
  put(64, t.conversionTitles);
  put(82, t.tankShapeNames);
  for (int s = 0; s < 3; ++s) put(85 + 12 * s, t.unitLabels[s]);
  for (const RoleLine& r : MessageFileRoles()) {
    const QString role = QString::fromLatin1(r.role);
    out[r.line - 1] = r.target == RoleTarget::Hint ? t.hint(role) : t.caption(role);
  }
  return out;
}

}  // namespace qora
