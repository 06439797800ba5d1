#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

// The program's SVG pictures, drawn ahead. Parsing and drawing them took a tenth of start-up
// on the main thread; a picture asked for ahead is drawn on a worker thread while the window
// is still being built, and is ready by the first paint. Whoever takes a picture keeps it.
namespace KoSvgImages {

// Starts drawing `path` at `pixels` (device pixels) on a worker thread; returns at once.
// Each call is matched by one take() of the same picture.
void prepare(const QString& path, QSize pixels);

// Gives up a picture asked for ahead and no longer wanted.
void forget(const QString& path, QSize pixels);

// Pictures drawn or being drawn ahead and not taken yet.
qsizetype keptAhead();

// `path` drawn at `pixels`: the one drawn ahead (waiting for it if it is still being drawn)
// or, where none was asked for, drawn now. Null where the file is missing or no picture.
QImage take(const QString& path, QSize pixels);

// `path` as an icon of `logical` size, drawn for pixel ratios 1 and 2 (others scale the
// nearer). Unlike an icon read from the file, it needs no icon plug-in, whose loading cost
// the window's first frame a millisecond. Null where the file is missing.
QIcon icon(const QString& path, QSize logical);

}  // namespace KoSvgImages

// One picture from an SVG file, drawn again only when its size or file changes. Its first
// size may be asked for ahead.
class KoSvgDrawing {
 public:
  explicit KoSvgDrawing(const QString& path = {});
  ~KoSvgDrawing();
  KoSvgDrawing(const KoSvgDrawing&) = delete;
  KoSvgDrawing& operator=(const KoSvgDrawing&) = delete;

  void setPath(const QString& path);
  // Has the picture drawn ahead at `pixels`, unless it was drawn already. A size asked for
  // later replaces the one before: a layout settles through a few sizes before it is shown.
  void drawAhead(QSize pixels);
  // The picture at `pixels` device pixels for a device pixel ratio of `ratio`; null where
  // there is no file or no picture in it.
  const QImage& at(QSize pixels, qreal ratio);

 private:
  void forgetAhead();

  QString path_;
  QImage picture_;
  QString pictureOf_;
  QSize drawnAt_;
  qreal drawnFor_ = 0;
  QSize ahead_;
};
