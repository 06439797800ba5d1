#include "app/top_black_view.h"

#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QSvgRenderer>
#include <QToolButton>

#include "app/window.h"
#include "link/ko_serial.h"
#include "link/usb_hid.h"
#include "model/language.h"
#include "model/notification_center.h"
#include "widgets/accessible_controls.h"
#include "widgets/colours.h"
#include "widgets/prompter.h"
#include "widgets/slanted_tabs.h"
#include "widgets/theme.h"

namespace {

constexpr qreal kLineWidth = 1;

QString focusRing() {
  return QStringLiteral(":focus{border:2px solid %1;}").arg(KoColours::focusLight().name());
}

QFont tabFont() { return KoTheme::font(KoTheme::Type::Title); }

}  // namespace

KoChevronComboBox::KoChevronComboBox(QWidget* parent) : QComboBox(parent) {}

void KoChevronComboBox::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QRectF arrow =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
  // The chevron of a 12 by 8 drawing, shown 10 by 7 in the middle of the arrow's box.
  const QSizeF size(10, 7);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(arrow.center() - QPointF(size.width() / 2, size.height() / 2));
  p.scale(size.width() / 12, size.height() / 8);
  QPen pen(KoTheme::roles().bodyText, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.drawPolyline(QPolygonF({{1.5, 1.5}, {6, 6}, {10.5, 1.5}}));
}

KoTopBlackView::KoTopBlackView(usbHid& link, QWidget* parent)
    : QWidget(parent),
      link_(link),
      labelTitle_(new QLabel(this)),
      boxLanguage_(new KoChevronComboBox(this)),
      linkBadge_(new QToolButton(this)),
      image_(QStringLiteral(":/images/title.svg")),
      imagelogo_(new QSvgRenderer(QStringLiteral(":/images/logo.svg"), this)) {
  setFixedHeight(38);
  // Reached with Tab; the arrow keys then move between the tabs.
  setFocusPolicy(Qt::TabFocus);
  KoAccessible::setTabs(this,
                        {[this] {
                           QStringList texts;
                           tabLayout(texts);
                           return texts;
                         },
                         [this] { return index_; },
                         [this](int i) { return paths_.value(i).boundingRect().toAlignedRect(); },
                         [this](int i) { chooseTab(i); }});

  labelTitle_->setFont(KoTheme::font(KoTheme::Type::Display, true));
  KoTheme::setTextRole(labelTitle_, &KoTheme::Roles::bodyText);
  labelTitle_->setAttribute(Qt::WA_TransparentForMouseEvents);

  boxLanguage_->addItems(KoLanguage::languages());
  boxLanguage_->setCurrentText(KoLanguage::instance().name());
  boxLanguage_->setCursor(Qt::PointingHandCursor);
  const KoTheme::Roles& bar = KoTheme::roles();
  boxLanguage_->setStyleSheet(
      QStringLiteral("QComboBox{background:%1;color:%2;border:1px solid %3;border-radius:9px;"
                     "padding:1px 8px;}QComboBox::drop-down{border:none;width:18px;}"
                     "QComboBox::down-arrow{image:none;width:10px;height:7px;}"
                     "QComboBox QAbstractItemView{background:%1;color:%2;"
                     "selection-background-color:%4;selection-color:%5;}QComboBox")
          .arg(bar.barField.name(), bar.bodyText.name(), bar.barLine.name(), bar.accent.name(),
               bar.onAccent.name()) +
      focusRing());
  connect(boxLanguage_, &QComboBox::textActivated, this,
          [this](const QString& name) { KoLanguage::instance().choose(name, this); });

  linkBadge_->setCursor(Qt::PointingHandCursor);
  connect(linkBadge_, &QToolButton::clicked, this, [this] {
    if (delegate_) delegate_->switchLinkRequested();
  });
  connect(&link_, &usbHid::connectionChanged, this, [this](bool connected) {
    if (connected) denied_ = false;
    showLinkState();
  });
  connect(&link_, &usbHid::accessDenied, this, [this] {
    denied_ = true;
    showLinkState();
  });

  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoTopBlackView::changeLanguage);
  changeLanguage();
}

QString KoTopBlackView::windowTitle() {
  return qtTrId("window_title").arg(QApplication::applicationVersion());
}

QString KoTopBlackView::badgeText(LinkState state, const QString& productName) {
  switch (state) {
    case LinkState::Virtual:
      return qtTrId("link_virtual");
    case LinkState::UsbBoard:
      return qtTrId("link_usb_board").arg(productName);
    case LinkState::UsbDenied:
      return qtTrId("link_usb_denied");
    case LinkState::UsbNone:
      break;
  }
  return qtTrId("link_usb_none");
}

KoTopBlackView::LinkState KoTopBlackView::linkState() const {
  if (virtualBoard_) return LinkState::Virtual;
  if (link_.connection()) return LinkState::UsbBoard;
  return denied_ ? LinkState::UsbDenied : LinkState::UsbNone;
}

void KoTopBlackView::setIndex(int index) {
  index_ = index;
  update();
}

void KoTopBlackView::setVirtualBoard(bool on) {
  virtualBoard_ = on;
  denied_ = false;
  showLinkState();
}

void KoTopBlackView::showLinkState() {
  const LinkState state = linkState();
  linkBadge_->setText(badgeText(state, link_.productName()));
  linkBadge_->setToolTip(qtTrId("link_switch_tips"));
  linkBadge_->setAccessibleName(linkBadge_->text());
  linkBadge_->setAccessibleDescription(qtTrId("link_switch_tips"));
  // Orange while the program talks to a board, outlined while it has none.
  const bool live = state == LinkState::Virtual || state == LinkState::UsbBoard;
  const QString sheet =
      (live ? QStringLiteral("QToolButton{background:%1;color:%2;border:none;"
                             "border-radius:9px;padding:2px 10px;font-weight:bold;}")
                  .arg(KoTheme::roles().accent.name(), KoTheme::roles().onAccent.name())
            : QStringLiteral("QToolButton{background:transparent;color:%1;border:1px solid "
                             "%2;border-radius:9px;padding:2px 10px;}")
                  .arg(KoTheme::roles().bodyText.name(), KoTheme::roles().barLine.name())) +
      QStringLiteral("QToolButton") + focusRing();
  // Setting a sheet restyles the badge even when it is the same one.
  if (linkBadge_->styleSheet() != sheet) linkBadge_->setStyleSheet(sheet);
  linkBadge_->adjustSize();
  placeControls();
}

void KoTopBlackView::changeLanguage() {
  boxLanguage_->setCurrentText(KoLanguage::instance().name());
  boxLanguage_->setAccessibleName(qtTrId("language_name"));
  boxLanguage_->setAccessibleDescription(qtTrId("language_tips"));
  boxLanguage_->setToolTip(qtTrId("language_tips"));
  labelTitle_->setText(windowTitle());
  labelTitle_->adjustSize();
  setAccessibleName(qtTrId("tabs_name"));
  setAccessibleDescription(qtTrId("tabs_tips"));
  showLinkState();
  update();
}

QSizeF KoTopBlackView::getTitleSize(const QString& title) const {
  // Asked at every paint and placing of the bar; measuring shapes the text anew each time.
  if (const auto kept = titleSizes_.constFind(title); kept != titleSizes_.cend()) return *kept;
  const QFontMetricsF metrics(tabFont());
  const QSizeF size(metrics.horizontalAdvance(title), qMin<qreal>(metrics.height(), kTabHeight));
  titleSizes_.insert(title, size);
  return size;
}

void KoTopBlackView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ApplicationFontChange || event->type() == QEvent::FontChange) {
    titleSizes_.clear();
  }
  QWidget::changeEvent(event);
}

void KoTopBlackView::resizeEvent(QResizeEvent*) {
  image_.drawAhead(size() * devicePixelRatioF());
  placeControls();
}

void KoTopBlackView::placeControls() {
  const int logoLeft = width() - 15 - 150;
  boxLanguage_->adjustSize();
  boxLanguage_->move(logoLeft - 12 - boxLanguage_->width(),
                     (height() - boxLanguage_->height()) / 2);
  linkBadge_->move(boxLanguage_->x() - 10 - linkBadge_->width(),
                   (height() - linkBadge_->height()) / 2);
  // Centred where it fits; in a narrow window it keeps clear of the badge, and gives way to
  // the tabs where no room is left between them.
  const int x =
      std::min((width() - labelTitle_->width()) / 2, linkBadge_->x() - 10 - labelTitle_->width());
  labelTitle_->move(x, (height() - labelTitle_->height()) / 2);
  QStringList texts;
  qreal tabsRight = 0;
  for (const KoSlantedTabs::Tab& tab : tabLayout(texts)) {
    tabsRight = std::max(tabsRight, tab.path.boundingRect().right());
  }
  labelTitle_->setVisible(x >= tabsRight + 10);
}

void KoTopBlackView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // Drawn once per size: the bar is repainted whenever a tab is hovered or the badge changes.
  painter.drawImage(QPointF(0, 0), image_.at(size() * devicePixelRatioF(), devicePixelRatioF()));
  const QRectF logo(width() - 15 - 150, (height() - 150.0 * 81 / 500) / 2, 150, 150.0 * 81 / 500);
  imagelogo_->render(&painter, logo);
  reFresh(painter);
}

QList<KoSlantedTabs::Tab> KoTopBlackView::tabLayout(QStringList& texts) const {
  texts.clear();
  QList<qreal> widths;
  for (const QString& key : titles_) {
    texts.append(qtTrId(key.toLatin1().constData()));
    widths.append(getTitleSize(texts.last()).width());
  }
  return KoSlantedTabs::layout(widths, maginLeftOne, maginLeftTwo, kTabHeight + kLineWidth / 2,
                               height());
}

void KoTopBlackView::reFresh(QPainter& painter) {
  QStringList texts;
  const QList<KoSlantedTabs::Tab> tabs = tabLayout(texts);
  painter.setFont(tabFont());
  for (int i = 0; i < tabs.size(); ++i) {
    const KoTheme::Roles& bar = KoTheme::roles();
    painter.setPen(QPen(bar.bodyText, kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(i == index_ ? QBrush(bar.bodyText) : Qt::NoBrush);
    painter.drawPath(tabs[i].path);
    painter.setPen(i == index_ ? bar.onAccent : bar.bodyText);
    painter.drawText(tabs[i].titleRect, Qt::AlignCenter, texts[i]);
    if (i == index_ && hasFocus()) {
      painter.setPen(QPen(KoColours::focusLight(), 2));
      painter.setBrush(Qt::NoBrush);
      painter.drawPath(tabs[i].path);
    }
  }
  paths_ = KoSlantedTabs::paths(tabs);
}

bool KoTopBlackView::chooseTab(int i) {
  if (i < 0 || i >= titles_.size()) return false;
  if (serialLine_ && serialLine_->carriesMoves()) {
    KoTools::showTipWithMessage(qtTrId("operation_fail"));
    return false;
  }
  if (i == index_) return false;
  if (link_.download()) {
    KoTools::showTipWithMessage(qtTrId("progress"));
    return false;
  }
  setIndex(i);
  if (delegate_) delegate_->selectTitleIndex(i);
  return true;
}

void KoTopBlackView::mousePressEvent(QMouseEvent* event) {
  for (int i = 0; i < paths_.size(); ++i) {
    if (!paths_[i].contains(event->position())) continue;
    qInfo().noquote() << QStringLiteral("mouseDown  %1").arg(i);
    chooseTab(i);
    return;
  }
  event->ignore();  // the window moves by its bar
}

void KoTopBlackView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (auto* w = qobject_cast<KoWindow*>(window())) {
    w->toggleZoom();
  } else {
    event->ignore();
  }
}

void KoTopBlackView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
    chooseTab(index_ + (event->key() == Qt::Key_Right ? 1 : -1));
    return;
  }
  QWidget::keyPressEvent(event);
}
