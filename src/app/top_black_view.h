#pragma once

#include <QComboBox>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QStringList>
#include <QWidget>

#include "widgets/slanted_tabs.h"
#include "widgets/svg_images.h"

class QLabel;
class QSvgRenderer;
class QToolButton;
class KoSerial;
class usbHid;

// The language box: its down arrow drawn as a chevron rather than read from an image, which
// would load the image-format plug-ins before the window's first frame.
class KoChevronComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit KoChevronComboBox(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class KoTopBlackViewDelegate {
 public:
  virtual ~KoTopBlackViewDelegate() = default;
  // The bar accepted a click on tab `index`.
  virtual void selectTitleIndex(int index) = 0;
  // The link badge was clicked: switch between the USB board and the virtual one.
  virtual void switchLinkRequested() {}
};

// The window's top bar: drawn slanted tabs, the title, the logo, the language selector and
// a badge saying which board the program talks to.
class KoTopBlackView : public QWidget {
  Q_OBJECT

 public:
  static constexpr qreal kTabHeight = 27;

  // Which board the program talks to, as the badge tells it.
  enum class LinkState { Virtual, UsbNone, UsbBoard, UsbDenied };

  KoTopBlackView(usbHid& link, QWidget* parent = nullptr);

  // "Vorn (V<version>)" in the chosen language's punctuation.
  static QString windowTitle();
  // The badge's text for a link state; `productName` names the board on USB.
  static QString badgeText(LinkState state, const QString& productName);

  QStringList titles() const { return titles_; }
  int index() const { return index_; }
  void setIndex(int index);
  const QList<QPainterPath>& paths() const { return paths_; }
  void setDelegate(KoTopBlackViewDelegate* delegate) { delegate_ = delegate; }
  // Selects tab i as a click on its title does, refusals included; true when it switched.
  bool chooseTab(int i);
  // The editor's serial line: while it carries the moves, tabs do not switch.
  void setSerialLine(const KoSerial* line) { serialLine_ = line; }

  qreal maginLeftOne = 20;
  qreal maginLeftTwo = 20;

  QLabel* labelTitle() const { return labelTitle_; }
  QComboBox* boxLanguage() const { return boxLanguage_; }
  QToolButton* linkBadge() const { return linkBadge_; }
  // Shows which board the program talks to.
  void setVirtualBoard(bool on);
  LinkState linkState() const;

  // The size of a tab title in the bar's tab font, at most 27 high.
  QSizeF getTitleSize(const QString& title) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void reFresh(QPainter& painter);
  // The tab outlines for the current titles and language; `texts` gets the titles.
  QList<KoSlantedTabs::Tab> tabLayout(QStringList& texts) const;
  void changeLanguage();
  void placeControls();
  void showLinkState();

  usbHid& link_;
  const KoSerial* serialLine_ = nullptr;
  QStringList titles_{QStringLiteral("normal_mode"), QStringLiteral("servo_adjust")};
  int index_ = 0;
  QList<QPainterPath> paths_;
  KoTopBlackViewDelegate* delegate_ = nullptr;
  QLabel* labelTitle_;
  QComboBox* boxLanguage_;
  QToolButton* linkBadge_;
  bool virtualBoard_ = false;
  // The board on USB was found but could not be opened; cleared when one arrives.
  bool denied_ = false;
  KoSvgDrawing image_;
  QSvgRenderer* imagelogo_;
  // Each tab title's measure, until the font changes.
  mutable QHash<QString, QSizeF> titleSizes_;
};
