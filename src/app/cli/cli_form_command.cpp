// `qora2000-cli form duct|operating|storage`: computes one single-answer form from the
// program folder's settings and data, as its screen would, and prints its values and
// answer texts as JSON or writes its printed page.
#include <cmath>
#include <iostream>
#include <locale>
#include <memory>
#include <sstream>

#include "analyses/other/form_def.h"
#include "cli_common.h"
#include "command_registry.h"
#include "model/app_state.h"
#include "print/form_printout.h"

namespace qora::cli {

namespace {

// A value the computation did not reach is null, never "nan" or "inf".
std::string JsonNumber(Real value) {
  return std::isfinite(value) ? FormatNumber(value) : std::string("null");
}

std::string JsonText(const QString& text) {
  return JsonString(text.toStdString());
}

std::string FormJson(const FormDef& def, const FormResult& r) {
  std::ostringstream o;
  o.imbue(std::locale::classic());
  o << "{\"form\":" << JsonString(def.cliName) << ",\"unitSystem\":" << r.unitSystem
    << ",\"computed\":" << (r.computed ? "true" : "false");
  if (!r.computed) o << ",\"refusal\":" << JsonString(r.refusal);
  if (def.id == FormId::Storage) {
    o << ",\"shape\":" << r.shape << ",\"area\":" << JsonNumber(r.area)
      << ",\"volume\":" << JsonNumber(r.volume);
  } else {
    o << ",\"dewPoint\":" << JsonNumber(r.dewPoint);
  }
  o << ",\"surfaceCoef\":" << JsonNumber(r.surfaceCoef)
    << ",\"thickness\":" << JsonNumber(r.thickness) << ",\"answer\":" << JsonText(r.answer);
  if (def.id == FormId::Operating) {
    o << ",\"heatGain\":" << JsonNumber(r.heatGain)
      << ",\"heatGainText\":" << JsonText(r.heatGainText);
  }
  o << "}\n";
  return o.str();
}

int RunForm(const std::vector<std::string>& args) {
  CommandLine c(
      "form FORM [--home DIR] [--set SECTION.Key=VALUE]... [--edition NAME] [--json] [--pdf FILE]",
      {kHomeOption,
       kSetOption,
       kEditionOption,
       {"json", nullptr, "print the form's values and answer as JSON (the default)"},
       {"pdf", "FILE", "write the printed page of the form"}},
      {{"FORM", "duct, operating or storage"}});
  if (auto exit = c.parse(args)) return *exit;
  const QStringList names = c.positional();
  if (names.isEmpty()) return UsageError("missing FORM");
  if (names.size() > 1) return UsageError("unexpected argument '" + names[1].toStdString() + "'");
  const std::string name = names.front().toStdString();
  const FormDef* def = FindForm(name);
  if (!def) return UsageError("unknown form '" + name + "'");
  const QString pdf = c.value("pdf");
  if (c.isSet("pdf") && pdf.isEmpty()) return UsageError("option '--pdf' needs a file name");

  AppState state;
  if (auto err = LoadCommandState(c, state)) return UsageError(*err);
  const FormResult result = def->compute(state);
  std::cout << FormJson(*def, result);
  // The page is written also for a refused form: it prints what the screen shows ("N/A").
  if (!pdf.isEmpty()) {
    const std::unique_ptr<QGuiApplication> app = MakeGuiApplication();
    if (!WriteFormPdf(*def, result, state, pdf)) {
      return CannotWrite(pdf);
    }
  }
  return result.computed ? kExitOk : kExitRefused;
}

const CliCommandRegistration kForm({"form", "form FORM [options]", RunForm});

}  // namespace

}  // namespace qora::cli
