// Draws the pictures the windows show. They are drawn here rather than kept only as binary files
// so that anyone can change a colour or a word and regenerate them: run the `pictures` target,
// or `make_pictures <folder>`, and commit the PNG files it writes.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// One palette for every picture, so the banner, the icons and the About picture belong together.
const QColor kInk(0x1d, 0x3b, 0x5c);
const QColor kMuted(0x5b, 0x6b, 0x7c);
const QColor kOutline(0x4a, 0x5a, 0x6e);
const QColor kGroupColours[] = {QColor(0x2f, 0x6d, 0xb5), QColor(0xd9, 0x6a, 0x22),
                                QColor(0x3a, 0x93, 0x55)};

// A generic family with a style hint keeps the generator working on any machine with some sans
// serif face installed, instead of failing over a missing named font.
QFont sansFont(int pixelSize, QFont::Weight weight = QFont::Normal, bool italic = false) {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  font.setItalic(italic);
  return font;
}

QImage blankImage(int width, int height, const QColor& fill = Qt::transparent) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(fill);
  return image;
}

void beginSmooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// The scatter must come out the same on every run and every platform, so that regenerating
// the pictures without changes gives identical files; std distributions do not promise that.
class Scatter {
 public:
  explicit Scatter(std::uint32_t seed) : state_(seed) {}
  // Uniform in [-1, 1].
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
  }

 private:
  std::uint32_t state_;
};

struct Group {
  double intercept;
  double slope;
  QColor colour;
};

// Maps data coordinates (x and y in 0..10) onto a plot rectangle, y growing upwards.
class PlotArea {
 public:
  explicit PlotArea(const QRectF& rect) : rect_(rect) {}
  QPointF at(double x, double y) const {
    return {rect_.left() + x / 10.0 * rect_.width(), rect_.bottom() - y / 10.0 * rect_.height()};
  }

 private:
  QRectF rect_;
};

void drawPoint(QPainter& painter, const QPointF& centre, double radius, const QColor& colour) {
  QColor fill = colour;
  fill.setAlpha(190);
  painter.setPen(QPen(colour.darker(125), radius > 1.8 ? 0.8 : 0.6));
  painter.setBrush(fill);
  painter.drawEllipse(centre, radius, radius);
}

void drawLine(QPainter& painter, const PlotArea& plot, const Group& group, double x0, double x1,
              double width) {
  painter.setPen(QPen(group.colour.darker(110), width, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(plot.at(x0, group.intercept + group.slope * x0),
                   plot.at(x1, group.intercept + group.slope * x1));
}

// Groups whose lines differ in intercept and slope: the situation the program is meant to find.
void drawGroups(QPainter& painter, const PlotArea& plot, const std::vector<Group>& groups,
                int pointsPerGroup, double spread, double radius, double lineWidth,
                std::uint32_t seed) {
  Scatter scatter(seed);
  for (const Group& group : groups) {
    for (int i = 0; i < pointsPerGroup; ++i) {
      const double x = 0.8 + 8.4 * (i + 0.5 + 0.35 * scatter.next()) / pointsPerGroup;
      // Alternate sides of the line and keep clear of it, or small points vanish under it.
      const double side = (i % 2 == 0) ? 1.0 : -1.0;
      const double offset = spread * (0.45 + 0.55 * (0.5 + 0.5 * scatter.next()));
      const double y = group.intercept + group.slope * x + side * offset;
      drawPoint(painter, plot.at(x, y), radius, group.colour);
    }
  }
  for (const Group& group : groups) drawLine(painter, plot, group, 0.4, 9.6, lineWidth);
}

QImage drawTitle() {
  QImage image = blankImage(555, 59, Qt::white);
  QPainter painter(&image);
  beginSmooth(painter);

  // The motif: two groups with different lines, the same picture as in the About window, on a
  // pale tile so that it reads as a mark rather than as a stray chart.
  const QRectF tile(8.5, 5.5, 45, 43);
  QLinearGradient tileFill(0, tile.top(), 0, tile.bottom());
  tileFill.setColorAt(0.0, QColor(0xf4, 0xf7, 0xfb));
  tileFill.setColorAt(1.0, QColor(0xe2, 0xea, 0xf3));
  painter.setPen(QPen(QColor(0xc3, 0xcf, 0xdd), 1.0));
  painter.setBrush(tileFill);
  painter.drawRoundedRect(tile, 6, 6);

  const QRectF motif = tile.adjusted(7, 6, -5, -7);
  painter.setPen(QPen(kMuted, 1.0));
  painter.drawLine(motif.bottomLeft(), motif.topLeft());
  painter.drawLine(motif.bottomLeft(), motif.bottomRight());
  const PlotArea plot(motif.adjusted(2, 1, -1, -2));
  drawGroups(painter, plot, {{4.0, 0.6, kGroupColours[0]}, {0.9, 0.48, kGroupColours[1]}}, 4, 1.2,
             1.9, 1.3, 5u);

  const QFont nameFont = sansFont(31, QFont::Bold);
  painter.setFont(nameFont);
  painter.setPen(kInk);
  const double nameX = 66;
  const double baseline = 39;
  painter.drawText(QPointF(nameX, baseline), QStringLiteral("Dalvenquist"));

  const QFont subtitleFont = sansFont(14, QFont::Normal, true);
  painter.setFont(subtitleFont);
  painter.setPen(kMuted);
  const QString subtitle = QStringLiteral("Regression Bias Analysis");
  const double subtitleWidth = QFontMetricsF(subtitleFont).horizontalAdvance(subtitle);
  painter.drawText(QPointF(image.width() - 12 - subtitleWidth, baseline), subtitle);

  // A thin band under the text ties the banner to the window edge without a heavy frame.
  QLinearGradient band(0, 0, image.width(), 0);
  band.setColorAt(0.0, kInk);
  band.setColorAt(0.35, kGroupColours[0]);
  band.setColorAt(1.0, QColor(0xd5, 0xe2, 0xf1));
  painter.setPen(Qt::NoPen);
  painter.setBrush(band);
  painter.drawRect(QRectF(0, 53, image.width(), 3));
  return image;
}

QImage drawHelpButton() {
  QImage image = blankImage(42, 23);
  QPainter painter(&image);
  beginSmooth(painter);

  const QRectF face(0.5, 0.5, 41, 22);
  QLinearGradient fill(0, 0, 0, image.height());
  fill.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
  fill.setColorAt(0.5, QColor(0xee, 0xf2, 0xf7));
  fill.setColorAt(1.0, QColor(0xd3, 0xdc, 0xe7));
  painter.setPen(QPen(QColor(0x7d, 0x8c, 0x9e), 1.0));
  painter.setBrush(fill);
  painter.drawRoundedRect(face, 4.5, 4.5);

  // A light inner edge at the top makes the face read as raised, hence clickable.
  painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(QPointF(4.5, 1.5), QPointF(37.5, 1.5));

  painter.setFont(sansFont(16, QFont::Bold));
  painter.setPen(kInk);
  painter.drawText(QRectF(0, 0, 42, 23), Qt::AlignCenter, QStringLiteral("?"));
  return image;
}

QImage drawLoadIcon() {
  QImage image = blankImage(24, 24);
  QPainter painter(&image);
  beginSmooth(painter);

  // A sheet with a folded corner; the lines on it stand for the rows of a data file.
  QPainterPath sheet;
  sheet.moveTo(4.5, 1.5);
  sheet.lineTo(14.5, 1.5);
  sheet.lineTo(19.5, 6.5);
  sheet.lineTo(19.5, 22.5);
  sheet.lineTo(4.5, 22.5);
  sheet.closeSubpath();
  QLinearGradient paper(0, 0, 24, 24);
  paper.setColorAt(0.0, Qt::white);
  paper.setColorAt(1.0, QColor(0xe6, 0xec, 0xf3));
  painter.setPen(QPen(kOutline, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(paper);
  painter.drawPath(sheet);

  QPainterPath fold;
  fold.moveTo(14.5, 1.5);
  fold.lineTo(14.5, 6.5);
  fold.lineTo(19.5, 6.5);
  painter.setBrush(QColor(0xc9, 0xd4, 0xe1));
  painter.drawPath(fold);

  // Crisp rows need whole-pixel rectangles without antialiasing.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  const int rows[] = {9, 12, 15, 18};
  for (int row : rows) {
    painter.setBrush(kGroupColours[0]);
    painter.drawRect(7, row, 3, 1);
    painter.setBrush(kMuted.lighter(130));
    painter.drawRect(11, row, row == 9 ? 3 : 6, 1);
  }
  return image;
}

QImage drawComputeIcon() {
  QImage image = blankImage(24, 24);
  QPainter painter(&image);
  beginSmooth(painter);

  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kOutline);
  painter.drawRect(2, 2, 2, 20);
  painter.drawRect(2, 20, 20, 2);
  painter.setRenderHint(QPainter::Antialiasing, true);

  // The points sit clearly off the line on both sides, or the line would hide them at this size.
  painter.setPen(QPen(kGroupColours[1], 2.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(6.5, 17.0), QPointF(21.0, 5.5));
  const QPointF points[] = {{7.5, 12.5}, {10.5, 17.5}, {12.5, 9.5}, {15.5, 14.0}, {17.0, 6.0}};
  for (const QPointF& point : points) {
    painter.setPen(QPen(Qt::white, 0.8));
    painter.setBrush(kGroupColours[0]);
    painter.drawEllipse(point, 2.0, 2.0);
  }
  return image;
}

QImage drawAboutPicture() {
  QImage image = blankImage(309, 229, Qt::white);
  QPainter painter(&image);
  beginSmooth(painter);

  // Fully opaque to the edge, so the picture looks the same on any window background.
  QLinearGradient background(0, 0, 0, image.height());
  background.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
  background.setColorAt(1.0, QColor(0xe4, 0xeb, 0xf3));
  painter.fillRect(image.rect(), background);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor(0xa9, 0xb6, 0xc5), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
  painter.setRenderHint(QPainter::Antialiasing, true);

  const QFont nameFont = sansFont(32, QFont::Bold);
  painter.setFont(nameFont);
  painter.setPen(kInk);
  painter.drawText(QRectF(0, 12, image.width(), 40), Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("Dalvenquist"));

  painter.setFont(sansFont(15, QFont::Normal, true));
  painter.setPen(kMuted);
  painter.drawText(QRectF(0, 52, image.width(), 20), Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("Regression Bias Analysis"));

  painter.setFont(sansFont(12, QFont::DemiBold));
  painter.setPen(kGroupColours[0].darker(115));
  painter.drawText(QRectF(0, 73, image.width(), 16), Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("Version 4.0"));

  // The plot: white panel, axes, three groups with their own lines.
  const QRectF panel(24.5, 98.5, 260, 116);
  painter.setPen(QPen(QColor(0xc4, 0xce, 0xd9), 1.0));
  painter.setBrush(QColor(255, 255, 255, 230));
  painter.drawRoundedRect(panel, 4, 4);

  const QRectF axes = panel.adjusted(24, 10, -12, -20);
  painter.setPen(QPen(QColor(0xe3, 0xe8, 0xee), 1.0));
  for (int i = 1; i < 4; ++i) {
    const double y = axes.bottom() - i * axes.height() / 4;
    painter.drawLine(QPointF(axes.left(), y), QPointF(axes.right(), y));
  }
  painter.setPen(QPen(kMuted, 1.0));
  painter.drawLine(axes.bottomLeft(), axes.topLeft());
  painter.drawLine(axes.bottomLeft(), axes.bottomRight());

  painter.setFont(sansFont(11, QFont::DemiBold, true));
  painter.setPen(kMuted);
  painter.drawText(QRectF(axes.right() - 20, axes.bottom() + 3, 20, 14),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("X"));
  painter.drawText(QRectF(axes.left() - 18, axes.top() - 2, 14, 14),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Y"));

  const PlotArea plot(axes.adjusted(4, 4, -4, -4));
  drawGroups(
      painter, plot,
      {{2.6, 0.72, kGroupColours[0]}, {1.2, 0.58, kGroupColours[1]}, {0.4, 0.42, kGroupColours[2]}},
      9, 0.75, 2.3, 2.0, 11u);
  return image;
}

bool save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Nothing is shown on screen, so the program must also run where there is no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 2) {
    std::fprintf(stderr, "usage: make_pictures <output folder>\n");
    return 2;
  }
  const QDir folder(arguments.at(1));
  if (!folder.exists()) {
    std::fprintf(stderr, "make_pictures: no folder %s\n", qPrintable(arguments.at(1)));
    return 2;
  }

  bool ok = true;
  ok = save(drawTitle(), folder, QStringLiteral("Dalvtitle.png")) && ok;
  ok = save(drawHelpButton(), folder, QStringLiteral("Ques.png")) && ok;
  ok = save(drawLoadIcon(), folder, QStringLiteral("One.png")) && ok;
  ok = save(drawComputeIcon(), folder, QStringLiteral("Two.png")) && ok;
  ok = save(drawAboutPicture(), folder, QStringLiteral("Tarvolen21.png")) && ok;
  return ok ? 0 : 1;
}
