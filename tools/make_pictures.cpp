// Draws the pictures of the picture folder: the splash and main-menu backgrounds of both
// brands, the menu button, the picture under the Quit description, the logos the charts
// and printouts use (watermark tile about 5:1, upright logo 1:5, horizontal logo 4:1,
// brand logo) and, in form_pictures.cpp, the illustrations of the form screens. Text is
// turned into outlines, so the files look the same on every machine.
// Usage: qora_make_pictures OUTPUT_DIR
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cmath>
#include <cstdio>
#include <functional>

#include "form_pictures.h"

namespace {

struct Brand {
  QString name;        // wordmark
  QString fileSuffix;  // "" for the first brand, "2" for the second
  QColor dark;         // background, wordmark
  QColor mid;          // gradients
  QColor accent;       // insulation layer, highlights
  QColor light;
};

const Brand kLine{"QORALINE",
                  "",
                  QColor(0x14, 0x36, 0x5f),
                  QColor(0x2d, 0x63, 0x9e),
                  QColor(0xf0, 0xa8, 0x30),
                  QColor(0xe6, 0xee, 0xf6)};
const Brand kPur{"QORAPUR",
                 "2",
                 QColor(0x0b, 0x4a, 0x47),
                 QColor(0x17, 0x7f, 0x74),
                 QColor(0x9c, 0xc8, 0x3c),
                 QColor(0xe4, 0xf2, 0xee)};

QFont Face(double pixelSize, bool bold = true) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
  f.setBold(bold);
  f.setLetterSpacing(QFont::PercentageSpacing, bold ? 104 : 100);
  return f;
}

// Text as outlines, placed with its left end at x and baseline at y.
void Outline(QPainter& p, const QString& text, const QFont& font, double x, double y,
             const QBrush& brush) {
  QPainterPath path;
  path.addText(x, y, font, text);
  p.fillPath(path, brush);
}

double TextWidth(const QString& text, const QFont& font) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path.boundingRect().right();
}

// The brand mark: the cross-section of an insulated pipe (steel wall, insulation, jacket).
void Mark(QPainter& p, QPointF c, double r, const Brand& b) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(b.dark);
  p.drawEllipse(c, r, r);
  p.setBrush(b.accent);
  p.drawEllipse(c, r * 0.86, r * 0.86);
  // Cells of the foam as a ring of small dots.
  p.setBrush(b.accent.lighter(130));
  for (int i = 0; i < 18; ++i) {
    const double a = i * M_PI / 9;
    p.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.68, c.y() + std::sin(a) * r * 0.68), r * 0.06,
                  r * 0.06);
  }
  p.setBrush(QColor(0xd9, 0xdd, 0xe2));
  p.drawEllipse(c, r * 0.5, r * 0.5);
  p.setBrush(b.mid);
  p.drawEllipse(c, r * 0.4, r * 0.4);
  p.restore();
}

void Save(const QImage& image, const QString& path, const char* format) {
  if (!image.save(path, format, 92)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void Svg(const QString& path, QSize size, const std::function<void(QPainter&)>& draw) {
  QSvgGenerator gen;
  gen.setFileName(path);
  gen.setSize(size);
  gen.setViewBox(QRect(QPoint(0, 0), size));
  gen.setTitle(QFileInfo(path).baseName());
  QPainter p(&gen);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
}

// A pipe run in perspective behind the wordmark of the splash.
void PipeRun(QPainter& p, QRectF r, const Brand& b) {
  const double h = r.height();
  QLinearGradient jacket(0, r.top(), 0, r.bottom());
  jacket.setColorAt(0, b.light);
  jacket.setColorAt(0.45, Qt::white);
  jacket.setColorAt(1, b.light.darker(135));
  p.setPen(Qt::NoPen);
  p.setBrush(jacket);
  p.drawRect(r);
  // Jacket seams.
  p.setPen(QPen(b.light.darker(150), 2));
  for (double x = r.left() + h * 1.2; x < r.right(); x += h * 1.6)
    p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
  // Cut end: insulation and steel, seen face on.
  const QPointF end(r.right(), r.center().y());
  p.setPen(Qt::NoPen);
  p.setBrush(b.accent);
  p.drawEllipse(end, h * 0.22, h / 2);
  p.setBrush(QColor(0xb8, 0xbe, 0xc6));
  p.drawEllipse(end, h * 0.12, h * 0.27);
  p.setBrush(b.dark.darker(160));
  p.drawEllipse(end, h * 0.09, h * 0.21);
}

QImage Splash(const Brand& b) {
  const int w = 1920, h = 1080;
  QImage img(w, h, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient bg(0, 0, w, h);
  bg.setColorAt(0, b.dark.darker(140));
  bg.setColorAt(0.6, b.dark);
  bg.setColorAt(1, b.mid);
  p.fillRect(img.rect(), bg);
  // Faint engineering grid.
  p.setPen(QPen(QColor(255, 255, 255, 18), 1));
  for (int x = 0; x < w; x += 48) p.drawLine(x, 0, x, h);
  for (int y = 0; y < h; y += 48) p.drawLine(0, y, w, y);
  // Everything that matters sits in the middle 4:3 part, so the picture can be cropped to
  // any screen shape without losing it.
  const QPointF c(1390, 470);
  for (int i = 1; i <= 5; ++i) {
    p.setPen(QPen(QColor(b.accent.red(), b.accent.green(), b.accent.blue(), 90 - i * 14), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 220.0 + i * 40, 220.0 + i * 40);
  }
  Mark(p, c, 220, b);
  PipeRun(p, QRectF(-40, h * 0.76, 1080, 110), b);
  const QFont word = Face(128);
  Outline(p, b.name, word, 300, 440, Qt::white);
  p.fillRect(QRectF(306, 474, TextWidth(b.name, word) - 10, 8), b.accent);
  Outline(p, QStringLiteral("QORA2000"), Face(60), 306, 566, b.accent);
  Outline(p, QStringLiteral("Thermal insulation design for pipes, ducts,"), Face(34, false), 306,
          640, QColor(255, 255, 255, 220));
  Outline(p, QStringLiteral("equipment and storage tanks"), Face(34, false), 306, 688,
          QColor(255, 255, 255, 220));
  return img;
}

QImage MenuBackground(const Brand& b) {
  const int w = 1920, h = 1080;
  QImage img(w, h, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient bg(0, 0, 0, h);
  bg.setColorAt(0, b.light);
  bg.setColorAt(1, b.light.darker(112));
  p.fillRect(img.rect(), bg);
  // Left strip behind the buttons, banner across the top.
  QLinearGradient strip(0, 0, w * 0.16, 0);
  strip.setColorAt(0, b.dark.darker(150));
  strip.setColorAt(1, b.dark);
  p.fillRect(QRectF(0, 0, w * 0.16, h), strip);
  QLinearGradient banner(0, 0, w, 0);
  banner.setColorAt(0, b.dark);
  banner.setColorAt(1, b.mid);
  p.fillRect(QRectF(w * 0.16, 0, w * 0.84, h * 0.17), banner);
  p.fillRect(QRectF(w * 0.16, h * 0.17, w * 0.84, 6), b.accent);
  Mark(p, QPointF(w * 0.16 + 110, h * 0.085), 66, b);
  Outline(p, b.name, Face(84), w * 0.16 + 205, h * 0.085 + 30, Qt::white);
  const QFont sub = Face(34, false);
  const QString title = QStringLiteral("QORA2000  Insulation Design");
  Outline(p, title, sub, w - 60 - TextWidth(title, sub), h * 0.085 + 14,
          QColor(255, 255, 255, 230));
  // Shadow frame where the description picture sits (22%..92% of each side).
  const QRectF desc(w * 0.22, h * 0.22, w * 0.7, h * 0.7);
  for (int i = 1; i <= 10; ++i) {
    p.setPen(QPen(QColor(0, 0, 0, 22 - 2 * i), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(desc.adjusted(-i, -i, i + 2, i + 2), 4, 4);
  }
  Outline(p, QStringLiteral("By VEL-DOR Software (THAILAND)"), Face(20, false), w * 0.22, h - 22,
          QColor(b.dark.red(), b.dark.green(), b.dark.blue(), 160));
  return img;
}

QImage Button(const Brand& b) {
  const int w = 256, h = 64;
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, h);
  g.setColorAt(0, b.mid.lighter(125));
  g.setColorAt(0.5, b.mid);
  g.setColorAt(0.51, b.dark);
  g.setColorAt(1, b.dark.darker(120));
  p.setPen(QPen(b.accent, 3));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(2.5, 2.5, w - 5, h - 5), 12, 12);
  p.setPen(QPen(QColor(255, 255, 255, 70), 2));
  p.drawLine(QPointF(16, 8), QPointF(w - 16, 8));
  return img;
}

void QuitPicture(const QString& path, const Brand& b) {
  Svg(path, QSize(1000, 100), [&](QPainter& p) {
    QLinearGradient g(0, 0, 1000, 0);
    g.setColorAt(0, b.dark);
    g.setColorAt(1, b.mid);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, 1000, 100), 14, 14);
    p.fillRect(QRectF(0, 92, 1000, 8), b.accent);
    Mark(p, QPointF(58, 48), 36, b);
    const QFont title = Face(46);
    Outline(p, QStringLiteral("QORA2000"), title, 112, 64, Qt::white);
    const double after = 112 + TextWidth(QStringLiteral("QORA2000"), title) + 36;
    Outline(p, QStringLiteral("Thermal insulation design  \u2022  Thank you"), Face(25, false),
            after, 60, QColor(255, 255, 255, 225));
  });
}

void Logos(const QString& dir, const Brand& b) {
  const QString s = b.fileSuffix;
  // Watermark tile, 5:1: a faint wordmark for chart backgrounds.
  Svg(dir + "/Logo" + s + "Bgd.svg", QSize(500, 100), [&](QPainter& p) {
    const QColor faint(b.dark.red(), b.dark.green(), b.dark.blue(), 28);
    Mark(p, QPointF(50, 50), 38, Brand{b.name, s, faint, faint, faint, faint});
    const QFont f = Face(64);
    Outline(p, b.name, f, 104, 73, faint);
  });
  // Upright logo, 1:5: mark at the top, the wordmark reading upwards.
  Svg(dir + "/Logo" + s + ".svg", QSize(100, 500), [&](QPainter& p) {
    p.fillRect(QRectF(0, 0, 100, 500), b.dark);
    p.fillRect(QRectF(88, 0, 12, 500), b.accent);
    Mark(p, QPointF(44, 52), 34, b);
    p.translate(62, 470);
    p.rotate(-90);
    Outline(p, b.name, Face(50), 0, 0, Qt::white);
  });
  // Horizontal logo, 4:1: mark and wordmark.
  Svg(dir + "/Logop" + s + ".svg", QSize(400, 100), [&](QPainter& p) {
    Mark(p, QPointF(50, 50), 40, b);
    const QFont f = Face(b.name.size() > 7 ? 44 : 50);
    Outline(p, b.name, f, 102, 68, b.dark);
    p.fillRect(QRectF(104, 80, TextWidth(b.name, f) - 6, 5), b.accent);
  });
  // Brand logo of the catalogue pages, 3:1.
  Svg(dir + "/" + b.name + ".svg", QSize(600, 200), [&](QPainter& p) {
    Mark(p, QPointF(100, 100), 80, b);
    const QFont f = Face(88);
    Outline(p, b.name, f, 200, 128, b.dark);
    p.fillRect(QRectF(204, 148, TextWidth(b.name, f) - 8, 8), b.accent);
    Outline(p, QStringLiteral("thermal insulation"), Face(30, false), 206, 186, b.mid);
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: qora_make_pictures OUTPUT_DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(dir);
  Save(Splash(kLine), dir + "/SplashQL1.jpg", "JPG");
  Save(Splash(kPur), dir + "/SplashC.jpg", "JPG");
  Save(MenuBackground(kLine), dir + "/MainMenu.jpg", "JPG");
  Save(MenuBackground(kPur), dir + "/MainMenuC.jpg", "JPG");
  Save(Button(kLine), dir + "/Btn.bmp", "BMP");
  QuitPicture(dir + "/QDT.svg", kLine);
  Logos(dir, kLine);
  Logos(dir, kPur);
  WriteFormPictures(dir);
  return 0;
}
