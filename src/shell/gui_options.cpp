#include "shell/gui_options.h"

#include <QRegularExpression>
#include <functional>
#include <map>

namespace qora {

namespace {

bool ParseScreen(const QString& text, QSize& size) {
  static const QRegularExpression re(QStringLiteral("^(\\d{3,5})[xX](\\d{3,5})$"));
  const auto m = re.match(text);
  if (!m.hasMatch()) return false;
  size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
  return size.width() >= 320 && size.height() >= 240;
}

}  // namespace

GuiOptions ParseGuiOptions(const QStringList& args) {
  GuiOptions out;
  // Options taking one value; each handler returns an error text or an empty one.
  using Handler = std::function<QString(const QString&)>;
  const std::map<QString, Handler> withValue = {
      {"--home",
       [&](const QString& v) {
         out.home = v;
         return QString();
       }},
      {"--screen",
       [&](const QString& v) {
         return ParseScreen(v, out.screen)
                    ? QString()
                    : QStringLiteral("--screen needs a size WxH such as 1024x768, not '%1'").arg(v);
       }},
  };
  for (int i = 0; i < args.size(); ++i) {
    QString name = args[i];
    QString value;
    bool inlineValue = false;
    if (const int eq = name.indexOf(u'='); name.startsWith("--") && eq > 0) {
      value = name.mid(eq + 1);
      name = name.left(eq);
      inlineValue = true;
    }
    const auto it = withValue.find(name);
    if (it == withValue.end()) {
      out.error =
          QStringLiteral("unknown option '%1' (options: --home DIR, --screen WxH)").arg(args[i]);
      return out;
    }
    if (!inlineValue) {
      if (i + 1 >= args.size()) {
        out.error = QStringLiteral("%1 needs a value").arg(name);
        return out;
      }
      value = args[++i];
    }
    out.error = it->second(value);
    if (!out.error.isEmpty()) return out;
  }
  return out;
}

}  // namespace qora
