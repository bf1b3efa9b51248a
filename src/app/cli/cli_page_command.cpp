// `qora2000-cli page catalogue|appendix|conversion CHAPTER`: draws a chapter of a reference
// document from the program folder's language files and pictures as the screen draws it
// (the whole page) into a PNG, and the catalogue's printed page into a PDF.
#include <QImage>
#include <iostream>
#include <memory>

#include "cli_common.h"
#include "command_registry.h"
#include "documents/document_render.h"
#include "model/app_state.h"
#include "print/catalogue_printout.h"

namespace qora::cli {

namespace {

struct Document {
  const char* name;
  DocumentKind kind;
};
constexpr Document kDocuments[] = {{"catalogue", DocumentKind::Catalogue},
                                   {"appendix", DocumentKind::Appendix},
                                   {"conversion", DocumentKind::Conversion}};

const Document* FindDocument(const std::string& name) {
  for (const Document& d : kDocuments) {
    if (name == d.name) return &d;
  }
  return nullptr;
}

int RunPage(const std::vector<std::string>& args) {
  CommandLine c(
      "page catalogue|appendix|conversion CHAPTER [--home DIR] [--set SECTION.Key=VALUE]... "
      "[--edition NAME] "
      "[--png FILE --screen WxH] [--pdf FILE]",
      {kHomeOption,
       kSetOption,
       kEditionOption,
       {"png", "FILE", "write the whole page as the screen draws it (needs --screen)"},
       kScreenOption,
       {"pdf", "FILE", "write the printed page (catalogue chapters only)"}},
      {{"DOCUMENT", "catalogue, appendix or conversion"}, {"CHAPTER", "the chapter, from 1"}});
  if (auto exit = c.parse(args)) return *exit;
  const QStringList positional = c.positional();
  if (positional.size() < 2) return UsageError("expected DOCUMENT and CHAPTER");
  if (positional.size() > 2) {
    return UsageError("unexpected argument '" + positional[2].toStdString() + "'");
  }
  const std::string name = positional[0].toStdString();
  const Document* doc = FindDocument(name);
  if (!doc) return UsageError("unknown document '" + name + "'");
  const int count = ChapterCount(doc->kind);
  bool ok = false;
  const int chapter = positional[1].toInt(&ok);
  if (!ok || chapter < 1 || chapter > count) {
    return UsageError("CHAPTER of " + name + " is 1 to " + std::to_string(count) + ", got '" +
                      positional[1].toStdString() + "'");
  }
  const QString png = c.value("png"), pdf = c.value("pdf");
  if (png.isEmpty() && pdf.isEmpty()) return UsageError("nothing to write: give --png or --pdf");
  int screenWidth = 0, screenHeight = 0;
  if (c.isSet("screen")) {
    if (auto err = ParseScreenSize(c.value("screen"), screenWidth, screenHeight)) {
      return UsageError(*err);
    }
  }
  if (!png.isEmpty() && screenWidth == 0) return UsageError("--png needs --screen WxH");
  if (!pdf.isEmpty() && doc->kind != DocumentKind::Catalogue) {
    return UsageError("--pdf prints catalogue chapters only");
  }

  AppState state;
  if (auto err = LoadCommandState(c, state)) return UsageError(*err);
  const std::unique_ptr<QGuiApplication> app = MakeGuiApplication();
  const int tab = chapter - 1;
  if (!png.isEmpty()) {
    const QImage page =
        RenderDocumentImage(state, doc->kind, tab, screenWidth, PageWidthForScreen(screenWidth));
    if (!SavePng(page, png)) {
      return CannotWrite(png);
    }
  }
  if (!pdf.isEmpty() && !WriteCataloguePdf(state, tab, pdf)) {
    return CannotWrite(pdf);
  }
  return kExitOk;
}

const CliCommandRegistration kPage({"page", "page catalogue|appendix|conversion CHAPTER [options]",
                                    RunPage});

}  // namespace

}  // namespace qora::cli
