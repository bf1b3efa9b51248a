#include "shell/gui_options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "model/language.h"

namespace qora {

namespace {

bool ParseScreen(const QString& text, QSize& size) {
  static const QRegularExpression re(QStringLiteral("^(\\d{3,5})[xX](\\d{3,5})$"));
  const auto m = re.match(text);
  if (!m.hasMatch()) return false;
  size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
  return size.width() >= 320 && size.height() >= 240;
}

GuiOptions Fault(const QString& text) {
  GuiOptions out;
  out.action = GuiOptions::Action::Error;
  out.text = text;
  return out;
}

}  // namespace

GuiOptions ParseGuiOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("QORA2000: thermal insulation design for pipes, ducts, equipment and tanks."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption home(QStringLiteral("home"),
                                QStringLiteral("Program folder with the settings and data files "
                                               "(default: the folder of the program)."),
                                QStringLiteral("DIR"));
  const QCommandLineOption screen(
      QStringLiteral("screen"),
      QStringLiteral("Lay out for a screen of this size instead of the primary screen's."),
      QStringLiteral("WxH"));
  const QCommandLineOption printTo(
      QStringLiteral("print-to"),
      QStringLiteral("Send every print job to a numbered PDF in DIR, without the print dialog."),
      QStringLiteral("DIR"));
  const QCommandLineOption edition(
      QStringLiteral("edition"),
      QStringLiteral("Start in this edition and keep it for the next start (the settings' "
                     "Language): %1.")
          .arg(EditionNamesForHelp()),
      QStringLiteral("NAME"));
  parser.addOptions({home, screen, printTo, edition});

  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      return Fault(QStringLiteral("unknown option '%1%2' (see --help)")
                       .arg(unknown.front().size() > 1 ? QStringLiteral("--") : QStringLiteral("-"),
                            unknown.front()));
    }
    QString message = parser.errorText();
    while (message.endsWith(u'.')) message.chop(1);
    return Fault(message);
  }
  GuiOptions out;
  if (parser.isSet(QStringLiteral("help"))) {
    out.action = GuiOptions::Action::Help;
    // Qt's usage line names the executable from an application that does not exist yet.
    out.text =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("qora2000"));
    return out;
  }
  if (parser.isSet(QStringLiteral("version"))) {
    out.action = GuiOptions::Action::Version;
    out.text = QStringLiteral("qora2000 %1\n").arg(QStringLiteral(QORA_VERSION));
    return out;
  }
  if (!parser.positionalArguments().isEmpty()) {
    return Fault(QStringLiteral("unexpected argument '%1' (see --help)")
                     .arg(parser.positionalArguments()[0]));
  }
  out.home = parser.value(home);
  if (parser.isSet(screen) && !ParseScreen(parser.value(screen), out.screen)) {
    return Fault(QStringLiteral("--screen needs a size WxH such as 1024x768, not '%1'")
                     .arg(parser.value(screen)));
  }
  if (parser.isSet(edition)) {
    out.edition = EditionIndex(parser.value(edition));
    if (out.edition == 0) {
      return Fault(QStringLiteral("--edition needs one of EN, EU, CN, JP, THAI, QORAPUR, not '%1'")
                       .arg(parser.value(edition)));
    }
  }
  if (parser.isSet(printTo)) {
    out.printTo = parser.value(printTo);
    if (out.printTo.isEmpty()) return Fault(QStringLiteral("--print-to needs a folder"));
  }
  return out;
}

}  // namespace qora
