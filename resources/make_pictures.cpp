// Draws the pictures the windows show. They are drawn here rather than kept only as binary files
// so that anyone can change a colour or a word and regenerate them: run the `pictures` target,
// or `make_pictures <folder>`, and commit the PNG files it writes.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
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

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>
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

// The application icon: the banner's motif on its own, two groups whose lines differ, on a tile
// with a firm edge so that it stands out on light and dark desktops alike. The design is laid
// out on a 256 grid; every size is drawn afresh rather than scaled down from the large one,
// because a shrunken picture turns into grey mush at 16 pixels.
QImage drawAppIcon(int size) {
  QImage image = blankImage(size, size);
  QPainter painter(&image);
  beginSmooth(painter);
  const double unit = size / 256.0;
  // Strokes never go below what the size can show, or the axes and lines fade away.
  const auto stroke = [unit](double width, double least) { return std::max(width * unit, least); };

  const double edge = stroke(6, 1.0);
  const double inset = size <= 16 ? 0.0 : std::round(8 * unit);
  const QRectF tile = QRectF(inset, inset, size - 2 * inset, size - 2 * inset)
                          .adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
  const double corner = std::max(44 * unit, 2.5);
  QLinearGradient tileFill(0, tile.top(), 0, tile.bottom());
  tileFill.setColorAt(0.0, QColor(0xfb, 0xfc, 0xfe));
  tileFill.setColorAt(1.0, QColor(0xd6, 0xe1, 0xee));
  painter.setPen(QPen(kOutline, edge));
  painter.setBrush(tileFill);
  painter.drawRoundedRect(tile, corner, corner);

  // Axes of whole pixels on whole pixels at the small sizes, so that they stay crisp.
  const double axisWidth = size <= 48 ? std::max(1.0, std::round(9 * unit)) : 9 * unit;
  const auto snap = [size, axisWidth](double v) {
    return size <= 48 ? std::floor(v) + axisWidth / 2 : v;
  };
  const double left = snap(size * 0.24);
  const double bottom = snap(size * 0.78);
  const double top = size * 0.20;
  const double right = size * 0.82;
  painter.setPen(QPen(kInk, axisWidth, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(left, bottom), QPointF(left, top));
  painter.drawLine(QPointF(left, bottom), QPointF(right, bottom));

  const PlotArea plot(QRectF(left, top, right - left, bottom - top));
  const Group groups[] = {{5.0, 0.50, kGroupColours[0]}, {1.3, 0.42, kGroupColours[1]}};
  const double lineWidth = stroke(12, 1.6);
  const double radius = std::max(12 * unit, size < 48 ? 1.8 : 2.2);
  // Points sit clear of their line by a visible gap, or at small sizes they melt into it. At 16
  // pixels there is no room for points between the lines, so the lines alone carry the picture.
  const double clearance =
      1.15 * (radius + lineWidth / 2 + std::max(4 * unit, size < 48 ? 0.5 : 0.8));
  // Each mark: where along the line, and whether above (-1, up the screen) or below (+1).
  std::vector<std::pair<double, double>> marks;
  if (size >= 48) {
    marks = {{1.5, -1}, {3.8, 1}, {6.1, -1}, {8.4, 1}};
  } else if (size >= 32) {
    marks = {{2.0, -1}, {5.2, 1}, {8.2, 1}};
  }
  for (const Group& group : groups) {
    for (const auto& [x, side] : marks) {
      const QPointF centre =
          plot.at(x, group.intercept + group.slope * x) + QPointF(0, side * clearance);
      // A white ring lifts the large points off the tile; on small ones it would eat the colour.
      painter.setPen(size > 48 ? QPen(Qt::white, 4 * unit) : QPen(Qt::NoPen));
      painter.setBrush(group.colour);
      painter.drawEllipse(centre, radius, radius);
    }
  }
  for (const Group& group : groups) drawLine(painter, plot, group, 0.5, 9.9, lineWidth);
  return image;
}

// The icon file is written here byte by byte: Qt has no ICO writer, and Windows wants a mix of
// palettized, true-colour and PNG images in one file that no general writer makes anyway. All
// fields of the format are little-endian whatever the machine.
void putLe16(QByteArray& out, std::uint32_t value) {
  out.append(static_cast<char>(value & 0xff));
  out.append(static_cast<char>((value >> 8) & 0xff));
}

void putLe32(QByteArray& out, std::uint32_t value) {
  putLe16(out, value & 0xffff);
  putLe16(out, value >> 16);
}

// Half-covered edge pixels count as drawn: the tile's antialiased rim would otherwise be cut away
// in the images that know only opaque and transparent.
bool isTransparent(QRgb pixel) {
  return qAlpha(pixel) < 128;
}

// A fixed palette, the 6x6x6 colour cube and then eight greys in each gap between its grey
// steps, rather than one fitted to the picture: the file then never depends on a clustering run,
// and the tile's pale gradient keeps more than the cube's six greys.
std::vector<QRgb> iconPalette() {
  std::vector<QRgb> palette;
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) palette.push_back(qRgb(51 * r, 51 * g, 51 * b));
    }
  }
  for (int step = 0; step < 5; ++step) {
    for (int k = 1; k <= 8; ++k) {
      const int grey = 51 * step + (51 * k + 4) / 9;
      palette.push_back(qRgb(grey, grey, grey));
    }
  }
  return palette;
}

// Nearest by a weighted distance: the eye tells greens apart best and blues worst.
std::uint8_t nearestColour(const std::vector<QRgb>& palette, QRgb pixel) {
  std::size_t best = 0;
  int bestDistance = 0;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int dr = qRed(pixel) - qRed(palette[i]);
    const int dg = qGreen(pixel) - qGreen(palette[i]);
    const int db = qBlue(pixel) - qBlue(palette[i]);
    const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (i == 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return static_cast<std::uint8_t>(best);
}

// BITMAPINFOHEADER of an icon image: the height counts the colour rows and the mask rows.
void putDibHeader(QByteArray& out, int size, int bitsPerPixel, std::uint32_t dataSize,
                  std::uint32_t coloursUsed) {
  putLe32(out, 40);
  putLe32(out, static_cast<std::uint32_t>(size));
  putLe32(out, static_cast<std::uint32_t>(2 * size));
  putLe16(out, 1);
  putLe16(out, static_cast<std::uint32_t>(bitsPerPixel));
  putLe32(out, 0);  // BI_RGB, no compression
  putLe32(out, dataSize);
  putLe32(out, 0);
  putLe32(out, 0);
  putLe32(out, coloursUsed);
  putLe32(out, 0);
}

// Rows in a DIB are padded to whole 32-bit words.
int rowBytes(int size, int bitsPerPixel) {
  return (size * bitsPerPixel + 31) / 32 * 4;
}

// The AND mask, one bit per pixel, set where the desktop shows through; bottom row first.
void putMask(QByteArray& out, const QImage& image) {
  const int size = image.width();
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(rowBytes(size, 1), '\0');
    for (int x = 0; x < size; ++x) {
      if (isTransparent(image.pixel(x, y))) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out.append(row);
  }
}

QByteArray palettizedDib(const QImage& image) {
  const int size = image.width();
  const std::vector<QRgb> palette = iconPalette();
  QByteArray out;
  putDibHeader(out, size, 8, size * (rowBytes(size, 8) + rowBytes(size, 1)),
               static_cast<std::uint32_t>(palette.size()));
  for (QRgb colour : palette) {
    out.append(static_cast<char>(qBlue(colour)));
    out.append(static_cast<char>(qGreen(colour)));
    out.append(static_cast<char>(qRed(colour)));
    out.append('\0');
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(rowBytes(size, 8), '\0');
    for (int x = 0; x < size; ++x) {
      // Masked pixels get colour 0, black, which the AND mask then leaves as the desktop.
      const QRgb pixel = image.pixel(x, y);
      if (!isTransparent(pixel)) row[x] = static_cast<char>(nearestColour(palette, pixel));
    }
    out.append(row);
  }
  putMask(out, image);
  return out;
}

QByteArray trueColourDib(const QImage& image) {
  const int size = image.width();
  QByteArray out;
  putDibHeader(out, size, 32, size * (rowBytes(size, 32) + rowBytes(size, 1)), 0);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      // Icons take straight, not premultiplied, alpha; Format_ARGB32 already holds it so.
      const QRgb pixel = image.pixel(x, y);
      out.append(static_cast<char>(qBlue(pixel)));
      out.append(static_cast<char>(qGreen(pixel)));
      out.append(static_cast<char>(qRed(pixel)));
      out.append(static_cast<char>(qAlpha(pixel)));
    }
  }
  putMask(out, image);
  return out;
}

QByteArray pngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) bytes.clear();
  return bytes;
}

struct IconImage {
  int size;
  int bitsPerPixel;
  QByteArray data;
};

// Windows chooses an image by size and colour depth, not by position; the palettized images for
// reduced-colour displays come first and the true-colour ones follow from the largest down only
// to keep the file easy to read. The 256 image goes in as PNG, as is usual, because as a DIB it
// would be a quarter of a megabyte. Empty when the PNG cannot be made.
QByteArray iconFile() {
  std::vector<IconImage> images;
  for (int size : {48, 32, 16}) images.push_back({size, 8, palettizedDib(drawAppIcon(size))});
  images.push_back({256, 32, pngBytes(drawAppIcon(256))});
  if (images.back().data.isEmpty()) return {};
  for (int size : {48, 32, 16}) images.push_back({size, 32, trueColourDib(drawAppIcon(size))});

  QByteArray out;
  putLe16(out, 0);  // reserved
  putLe16(out, 1);  // an icon, not a cursor
  putLe16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const IconImage& image : images) {
    // A width or height of 256 does not fit the byte and is written as 0.
    out.append(static_cast<char>(image.size % 256));
    out.append(static_cast<char>(image.size % 256));
    out.append('\0');  // colour count: 0 for 256 colours and above
    out.append('\0');  // reserved
    putLe16(out, 1);   // planes
    putLe16(out, static_cast<std::uint32_t>(image.bitsPerPixel));
    putLe32(out, static_cast<std::uint32_t>(image.data.size()));
    putLe32(out, offset);
    offset += static_cast<std::uint32_t>(image.data.size());
  }
  for (const IconImage& image : images) out.append(image.data);
  return out;
}

bool saveBytes(const QByteArray& bytes, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  QFile file(path);
  if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
      !file.flush()) {
    std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
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
  ok = save(drawAppIcon(256), folder, QStringLiteral("AppIcon.png")) && ok;
  ok = saveBytes(iconFile(), folder, QStringLiteral("Dalvenquist.ico")) && ok;
  return ok ? 0 : 1;
}
