#include "app/window.h"

#include <xcb/xcb.h>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QWindow>
#include "widgets/theme.h"

namespace {

constexpr QSize kFixedSize(1260, 800);
// Tall enough for the 580-point arm picture under the bar.
constexpr QSize kMinimumSize(960, 680);
constexpr int kSmallScreenWidth = 1280;
// Of a larger screen's available area: room for the picture and the table, and around the
// window for what the user keeps beside it.
constexpr qreal kScreenShare = 0.8;
constexpr qreal kCornerRadius = KoTheme::kRadius;

Qt::CursorShape cursorFor(Qt::Edges edges) {
  const bool h = edges & (Qt::LeftEdge | Qt::RightEdge);
  const bool v = edges & (Qt::TopEdge | Qt::BottomEdge);
  if (h && v) {
    const bool falling = bool(edges & Qt::LeftEdge) == bool(edges & Qt::TopEdge);
    return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
  }
  if (h) return Qt::SizeHorCursor;
  if (v) return Qt::SizeVerCursor;
  return Qt::ArrowCursor;
}

}  // namespace

WindowPlacement placeWindow(const QRect& screen, const QRect& available) {
  const QSize room = available.size();
  const bool fits = kFixedSize.width() <= room.width() && kFixedSize.height() <= room.height();
  const bool small = screen.width() <= kSmallScreenWidth;
  const QSize share = small ? kFixedSize : room * kScreenShare;
  const QSize size = share.expandedTo(kFixedSize).boundedTo(room);
  QRect geometry(QPoint(), size);
  geometry.moveCenter(available.center());
  if (small && fits) return {geometry, size, size};
  return {geometry, kMinimumSize.boundedTo(room), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)};
}

KoWindow::KoWindow(QWidget* parent, bool roundCorners)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      roundCorners_(roundCorners),
      grip_(new QSizeGrip(this)),
      body_(static_cast<int>(kCornerRadius) + 1, [](QPainter& p, const QRect& rect) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(KoTheme::roles().body);
        p.drawRoundedRect(rect, kCornerRadius, kCornerRadius);
      }) {
  // Without a compositor the transparent corners would show black.
  setAttribute(Qt::WA_TranslucentBackground, roundCorners_);
  // Square, the body covers every pixel, so the window's background is not filled first.
  setAttribute(Qt::WA_OpaquePaintEvent, !roundCorners_);
  setMouseTracking(true);
  grip_->resize(16, 16);
}

bool KoWindow::compositorRunning() {
  const QString platform = QGuiApplication::platformName();
  if (platform.startsWith(QLatin1String("wayland"))) return true;
  if (platform != QLatin1String("xcb")) return false;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return false;
  // A compositing manager owns the selection _NET_WM_CM_S<screen>.
  const QByteArray name = "_NET_WM_CM_S0";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, name.size(), name.constData()), nullptr);
  if (!atom) return false;
  xcb_get_selection_owner_reply_t* owner =
      atom->atom ? xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr)
                 : nullptr;
  const bool running = owner && owner->owner != XCB_NONE;
  free(owner);
  free(atom);
  return running;
}

void KoWindow::place(const WindowPlacement& placement) {
  setMinimumSize(placement.minimum);
  setMaximumSize(placement.maximum);
  setGeometry(placement.geometry);
  updateGrip();
}

Qt::Edges KoWindow::edgesAt(const QPoint& pos) const {
  Qt::Edges edges;
  if (!resizable() || isMaximized() || isFullScreen()) return edges;
  if (pos.x() < kEdge) edges |= Qt::LeftEdge;
  if (pos.x() >= width() - kEdge) edges |= Qt::RightEdge;
  if (pos.y() < kEdge) edges |= Qt::TopEdge;
  if (pos.y() >= height() - kEdge) edges |= Qt::BottomEdge;
  return edges;
}

void KoWindow::toggleZoom() {
  if (isMaximized()) {
    showNormal();
  } else if (resizable()) {
    showMaximized();
  }
}

void KoWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (roundCorners_ && !isMaximized()) {
    body_.paint(p, rect());
  } else {
    p.fillRect(rect(), KoTheme::roles().body);
  }
}

void KoWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint global = event->globalPosition().toPoint();
  if (const Qt::Edges edges = edgesAt(event->position().toPoint())) {
    startResize(edges, global);
    return;
  }
  if (!movable_ || !moveBar_) return;
  const QPoint barBottom = moveBar_->mapTo(this, QPoint(0, moveBar_->height()));
  if (event->position().y() >= barBottom.y()) return;
  // The move starts only once the pointer travels, so a double click still reaches the bar.
  pressed_ = true;
  pressGlobal_ = global;
  pressGeometry_ = geometry();
}

void KoWindow::startResize(Qt::Edges edges, const QPoint& globalPos) {
  // The window manager resizes where it can; elsewhere we follow the mouse.
  if (windowHandle() && windowHandle()->startSystemResize(edges)) return;
  resizing_ = edges;
  pressGlobal_ = globalPos;
  pressGeometry_ = geometry();
}

void KoWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint global = event->globalPosition().toPoint();
  const QPoint delta = global - pressGlobal_;
  if (resizing_) {
    QRect g = pressGeometry_;
    if (resizing_ & Qt::LeftEdge)
      g.setLeft(qMin(g.left() + delta.x(), g.right() + 1 - minimumWidth()));
    if (resizing_ & Qt::RightEdge) g.setRight(g.right() + delta.x());
    if (resizing_ & Qt::TopEdge)
      g.setTop(qMin(g.top() + delta.y(), g.bottom() + 1 - minimumHeight()));
    if (resizing_ & Qt::BottomEdge) g.setBottom(g.bottom() + delta.y());
    setGeometry(g);
    return;
  }
  if (pressed_ && !moving_) {
    if (delta.manhattanLength() < QApplication::startDragDistance()) return;
    moving_ = true;
    if (windowHandle() && windowHandle()->startSystemMove()) {
      pressed_ = moving_ = false;  // the window manager has the pointer now
      return;
    }
  }
  if (moving_) {
    move(pressGeometry_.topLeft() + delta);
    return;
  }
  if (!(event->buttons() & Qt::LeftButton)) {
    setCursor(cursorFor(edgesAt(event->position().toPoint())));
  }
}

void KoWindow::mouseReleaseEvent(QMouseEvent*) {
  pressed_ = moving_ = false;
  resizing_ = {};
}

void KoWindow::resizeEvent(QResizeEvent*) {
  grip_->move(width() - grip_->width(), height() - grip_->height());
}

void KoWindow::updateGrip() { grip_->setVisible(resizable() && !isMaximized()); }

void KoWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    body_.reset();  // drawn again in the new scheme's colour
    update();
  }
  if (event->type() == QEvent::WindowStateChange) {
    // A zoomed window stays put.
    movable_ = !isMaximized();
    updateGrip();
    update();
    emit zoomChanged(isMaximized());
  }
  QWidget::changeEvent(event);
}
