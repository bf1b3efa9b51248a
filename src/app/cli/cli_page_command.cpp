// `qora2000-cli page catalogue|appendix|conversion CHAPTER`: draws a chapter of a reference
// document from the program folder's language files and pictures as the screen draws it
// (the whole page) into a PNG, and the catalogue's printed page into a PDF.
#include <QImage>
#include <iostream>
#include <memory>

#include "cli_program.h"
#include "command_registry.h"
#include "documents/document_render.h"
#include "model/app_state.h"
#include "print/catalogue_printout.h"

namespace qora::cli {

namespace {

struct PageOptions {
  std::string document;  // catalogue, appendix, conversion
  std::string chapter;   // from 1
  QString home;
  QString png;
  int screenWidth = 0, screenHeight = 0;
  QString pdf;
};

// The options as a table: a further option is one more row.
struct PageOption {
  const char* name;
  std::string (*apply)(PageOptions& o, const std::string& value);  // error message or empty
};

const std::vector<PageOption>& PageOptionTable() {
  static const std::vector<PageOption> table = {
      {"--home",
       [](PageOptions& o, const std::string& v) {
         o.home = QString::fromStdString(v);
         return std::string();
       }},
      {"--png",
       [](PageOptions& o, const std::string& v) {
         o.png = QString::fromStdString(v);
         return std::string();
       }},
      {"--screen",
       [](PageOptions& o, const std::string& v) {
         return ParseScreenSize(v, o.screenWidth, o.screenHeight);
       }},
      {"--pdf",
       [](PageOptions& o, const std::string& v) {
         o.pdf = QString::fromStdString(v);
         return std::string();
       }},
  };
  return table;
}

struct Document {
  const char* name;
  DocumentKind kind;
};
constexpr Document kDocuments[] = {{"catalogue", DocumentKind::Catalogue},
                                   {"appendix", DocumentKind::Appendix},
                                   {"conversion", DocumentKind::Conversion}};

std::string ParsePageOptions(const std::vector<std::string>& args, PageOptions& out) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      positional.push_back(a);
      continue;
    }
    const PageOption* opt = nullptr;
    for (const PageOption& o : PageOptionTable()) {
      if (a == o.name) opt = &o;
    }
    if (!opt) return "unknown option '" + a + "'";
    if (i + 1 >= args.size()) return std::string(opt->name) + " needs a value";
    if (std::string err = opt->apply(out, args[++i]); !err.empty()) return err;
  }
  if (positional.size() < 2) return "expected DOCUMENT and CHAPTER";
  if (positional.size() > 2) return "unexpected argument '" + positional[2] + "'";
  out.document = positional[0];
  out.chapter = positional[1];
  if (out.png.isEmpty() && out.pdf.isEmpty()) return "nothing to write: give --png or --pdf";
  if (!out.png.isEmpty() && out.screenWidth == 0) return "--png needs --screen WxH";
  return {};
}

// A picture or page that cannot be written; distinct from a usage error.
constexpr int kExitWriteFailed = 1;

int RunPage(const std::vector<std::string>& args) {
  PageOptions opt;
  if (std::string err = ParsePageOptions(args, opt); !err.empty()) return UsageError(err);
  const Document* doc = nullptr;
  for (const Document& d : kDocuments) {
    if (opt.document == d.name) doc = &d;
  }
  if (!doc) return UsageError("unknown document '" + opt.document + "'");
  const int count = ChapterCount(doc->kind);
  bool ok = false;
  const int chapter = QString::fromStdString(opt.chapter).toInt(&ok);
  if (!ok || chapter < 1 || chapter > count) {
    return UsageError("CHAPTER of " + opt.document + " is 1 to " + std::to_string(count) +
                      ", got '" + opt.chapter + "'");
  }
  if (!opt.pdf.isEmpty() && doc->kind != DocumentKind::Catalogue) {
    return UsageError("--pdf prints catalogue chapters only");
  }

  AppState state;
  LoadProgramState(state, opt.home.isEmpty() ? ExecutableFolder() : opt.home);
  const std::unique_ptr<QGuiApplication> app = MakeGuiApplication();
  const int tab = chapter - 1;
  if (!opt.png.isEmpty()) {
    const QImage page = RenderDocumentImage(state, doc->kind, tab, opt.screenWidth,
                                            PageWidthForScreen(opt.screenWidth));
    if (!SavePng(page, opt.png)) {
      std::cerr << "qora2000-cli: cannot write '" << opt.png.toStdString() << "'\n";
      return kExitWriteFailed;
    }
  }
  if (!opt.pdf.isEmpty() && !WriteCataloguePdf(state, tab, opt.pdf)) {
    std::cerr << "qora2000-cli: cannot write '" << opt.pdf.toStdString() << "'\n";
    return kExitWriteFailed;
  }
  return kExitOk;
}

const CliCommandRegistration kPage(
    {"page",
     "page catalogue|appendix|conversion CHAPTER [--home DIR] [--png FILE --screen WxH] "
     "[--pdf FILE]",
     RunPage});

}  // namespace

}  // namespace qora::cli
