#include "print/form_printout.h"

#include "analyses/other/form_texts.h"
#include "model/app_state.h"
#include "print/page_frame.h"
#include "print/print_job.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

// Font list entries of the page: the title's face and the body's.
constexpr int kTitleFace = 18;
constexpr int kBodyFace = 20;
constexpr double kTitlePt = 16, kBodyPt = 14, kAnswerPt = 16;

}  // namespace

void PrintFormPage(Canvas& page, const FormDef& def, const FormResult& result,
                   const AppState& state) {
  PrintTablePageFrame(page, state);
  SetPrnPen(page, kBlack, PenStyle::Solid, 0.25);
  SetPrnBrush(page, kWhite, BrushStyle::Clear);
  const FormPage texts = FormPageTexts(def, result, state);

  double y = kFormTitleMm;
  SetPrnFont(page, state.lang.Font(kTitleFace), kTitlePt, kRegular, kBlue);
  PrnText(page, HAlign::Left, VAlign::Bottom, texts.title, kFormLeftMm, y);

  y += 2 * kFormStepMm;
  SetPrnFont(page, state.lang.Font(kBodyFace), kBodyPt, kRegular, kBlue);
  for (const QString& line : texts.lines) {
    PrnText(page, HAlign::Left, VAlign::Bottom, line, kFormLeftMm, y);
    y += kFormStepMm;
  }

  // One line left blank: the next line's place is skipped.
  y += kFormStepMm;
  SetPrnFont(page, state.lang.Font(kBodyFace), kAnswerPt, kBold, kBlue);
  for (const QString& line : texts.answers) {
    PrnText(page, HAlign::Left, VAlign::Bottom, line, kFormLeftMm, y);
    y += kFormStepMm;
  }
}

bool PrintForm(QWidget* parent, const FormDef& def, const FormResult& result,
               const AppState& state) {
  return RunPrintJob(parent, PageOrientation::Portrait, QString::fromLatin1(def.jobTitle),
                     [&](Canvas& page) { PrintFormPage(page, def, result, state); });
}

bool WriteFormPdf(const FormDef& def, const FormResult& result, const AppState& state,
                  const QString& file) {
  return WritePdfPage(file, PageOrientation::Portrait, QString::fromLatin1(def.jobTitle),
                      [&](Canvas& page) { PrintFormPage(page, def, result, state); });
}

}  // namespace qora
