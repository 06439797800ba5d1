#include "widgets/svg_images.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QThreadPool>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace {

struct Key {
  QString path;
  QSize pixels;
  friend bool operator==(const Key&, const Key&) = default;
};

size_t qHash(const Key& key, size_t seed = 0) {
  return qHashMulti(seed, key.path, key.pixels.width(), key.pixels.height());
}

// A picture asked for ahead: empty while a worker draws it, and kept until each asker took it.
struct Ahead {
  std::optional<QImage> image;
  int wanted = 0;
};

struct Store {
  std::mutex lock;
  std::condition_variable drawn;
  QHash<Key, Ahead> ahead;
  // Handed to the drawer under `lock`, not in the pool's task: ThreadSanitizer cannot see
  // the pool's own locking, and would take the hand-over for a race.
  QList<Key> queued;
};

// Never destroyed: a drawing still under way at exit must find it.
Store& store() {
  static Store* s = new Store;
  return *s;
}

// Not Qt's global pool: Qt's painter splits large fills across that pool and waits for them,
// so a drawing queued there would stall the window's own painting behind it.
QThreadPool& drawers() {
  static QThreadPool* pool = [] {
    auto* p = new QThreadPool;
    p->setMaxThreadCount(1);
    // Drawing needs the application's fonts: the last drawing ends before they go.
    qAddPostRoutine([] { drawers().waitForDone(); });
    return p;
  }();
  return *pool;
}

// The parsed picture on a transparent image of `pixels`.
QImage render(QSvgRenderer& renderer, QSize pixels) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  return image;
}

QImage draw(const Key& key) {
  QSvgRenderer renderer(key.path);
  if (!renderer.isValid() || key.pixels.isEmpty()) return {};
  return render(renderer, key.pixels);
}

}  // namespace

namespace KoSvgImages {

void prepare(const QString& path, QSize pixels) {
  const Key key{path, pixels};
  Store& s = store();
  {
    std::lock_guard guard(s.lock);
    if (++s.ahead[key].wanted > 1) return;  // already on its way
    s.queued.append(key);
  }
  drawers().start([] {
    Store& s = store();
    Key key;
    {
      std::lock_guard guard(s.lock);
      key = s.queued.takeFirst();
    }
    QImage image = draw(key);
    {
      std::lock_guard guard(s.lock);
      // Unless given up meanwhile.
      if (const auto it = s.ahead.find(key); it != s.ahead.end()) it->image = std::move(image);
    }
    s.drawn.notify_all();
  });
}

qsizetype keptAhead() {
  Store& s = store();
  std::lock_guard guard(s.lock);
  return s.ahead.size();
}

void forget(const QString& path, QSize pixels) {
  Store& s = store();
  std::lock_guard guard(s.lock);
  const auto it = s.ahead.find(Key{path, pixels});
  if (it != s.ahead.end() && --it->wanted == 0) s.ahead.erase(it);
}

QImage take(const QString& path, QSize pixels) {
  const Key key{path, pixels};
  Store& s = store();
  {
    std::unique_lock guard(s.lock);
    if (s.ahead.contains(key)) {
      s.drawn.wait(guard, [&s, &key] { return s.ahead[key].image.has_value(); });
      Ahead& ahead = s.ahead[key];
      const QImage image = *ahead.image;
      if (--ahead.wanted == 0) s.ahead.remove(key);
      return image;
    }
  }
  return draw(key);
}

QIcon icon(const QString& path, QSize logical) {
  QSvgRenderer renderer(path);
  QIcon icon;
  if (!renderer.isValid() || logical.isEmpty()) return icon;
  // Parsed once for both.
  for (const int ratio : {1, 2}) {
    QImage image = render(renderer, logical * ratio);
    image.setDevicePixelRatio(ratio);
    icon.addPixmap(QPixmap::fromImage(std::move(image)));
  }
  return icon;
}

}  // namespace KoSvgImages

KoSvgDrawing::KoSvgDrawing(const QString& path) : path_(path) {}

KoSvgDrawing::~KoSvgDrawing() { forgetAhead(); }

void KoSvgDrawing::forgetAhead() {
  if (ahead_.isValid()) KoSvgImages::forget(path_, ahead_);
  ahead_ = QSize();
}

void KoSvgDrawing::setPath(const QString& path) {
  if (path == path_) return;
  forgetAhead();
  path_ = path;
}

void KoSvgDrawing::drawAhead(QSize pixels) {
  if (path_.isEmpty() || pixels.isEmpty() || ahead_ == pixels || drawnAt_.isValid()) return;
  forgetAhead();
  ahead_ = pixels;
  KoSvgImages::prepare(path_, ahead_);
}

const QImage& KoSvgDrawing::at(QSize pixels, qreal ratio) {
  if (drawnAt_ != pixels || pictureOf_ != path_ || drawnFor_ != ratio) {
    if (ahead_ != pixels) forgetAhead();
    ahead_ = QSize();
    picture_ = path_.isEmpty() || pixels.isEmpty() ? QImage() : KoSvgImages::take(path_, pixels);
    picture_.setDevicePixelRatio(ratio);
    pictureOf_ = path_;
    drawnAt_ = pixels;
    drawnFor_ = ratio;
  }
  return picture_;
}
