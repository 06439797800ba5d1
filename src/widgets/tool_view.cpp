#include "widgets/tool_view.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <unordered_map>

#include "model/notification_center.h"
#include "widgets/colours.h"
#include "widgets/nine_slice.h"
#include "widgets/theme.h"

namespace {

// Inside the box the content stays clear of the rounded corners.
constexpr int kPadding = 14;
// The shadow sits this much lower than the box.
constexpr int kShadowDrop = 2;

void drawPanel(QPainter& painter, const QRect& rect, const QColor& color) {
  constexpr int kShadow = KoToolView::kShadow;
  constexpr qreal kRadius = KoToolView::kCornerRadius;
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect).adjusted(kShadow, kShadow, -kShadow, -kShadow);
  // A soft shadow: rings that fade outwards, a little lower than the box.
  painter.setPen(Qt::NoPen);
  for (int i = kShadow; i > 0; --i) {
    painter.setBrush(KoTheme::roles().shadow);
    painter.drawRoundedRect(box.adjusted(-i, -i + kShadowDrop, i, i + kShadowDrop), kRadius + i,
                            kRadius + i);
  }
  painter.setBrush(color);
  painter.drawRoundedRect(box, kRadius, kRadius);
}

// Every panel of one colour shares its slices.
KoNineSlice& panelIn(const QColor& color) {
  static std::unordered_map<QRgb, KoNineSlice> panels;
  // Everything beyond the corners' curves, and the shadow's drop, is uniform.
  constexpr int kRadius = static_cast<int>(KoToolView::kCornerRadius);
  static_assert(kRadius == KoToolView::kCornerRadius, "a whole radius");
  constexpr int kBorder = KoToolView::kShadow + kShadowDrop + kRadius + 1;
  return panels
      .try_emplace(
          color.rgba(), kBorder,
          [color](QPainter& painter, const QRect& rect) { drawPanel(painter, rect, color); })
      .first->second;
}

}  // namespace

KoToolView::KoToolView(const QString& titleKey, QWidget* parent)
    : QWidget(parent), lableTitle_(new QLabel(this)), content_(new QWidget(this)) {
  lableTitle_->setFont(KoTheme::font(KoTheme::Type::Title, true));
  content_->setAttribute(Qt::WA_TranslucentBackground);

  auto* layout = new QVBoxLayout(this);
  const int margin = kShadow + kPadding;
  // Less below the content than beside it: the corners' curves leave it room there, and a
  // small window needs the height.
  layout->setContentsMargins(margin, kShadow + kPadding - 4, margin, margin - 6);
  layout->setSpacing(6);
  layout->addWidget(lableTitle_);
  layout->addWidget(content_, 1);

  setTitleKey(titleKey);
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoToolView::retranslate);
}

void KoToolView::setTitleKey(const QString& key) {
  titleKey_ = key;
  lableTitle_->setVisible(!key.isEmpty());
  retranslate();
}

void KoToolView::retranslate() {
  lableTitle_->setText(titleKey_.isEmpty() ? QString() : qtTrId(titleKey_.toUtf8().constData()));
  // Assistive tools announce the panel's title as the group its controls belong to.
  setAccessibleName(lableTitle_->text());
}

QColor KoToolView::backColor() const { return backColor_.value_or(KoTheme::roles().surface); }

void KoToolView::setBackColor(const QColor& color) {
  backColor_ = color;
  QPalette palette = lableTitle_->palette();
  palette.setColor(QPalette::WindowText, KoColours::textOn(color));
  lableTitle_->setPalette(palette);
  update();
}

void KoToolView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  panelIn(backColor()).paint(painter, rect());
}
