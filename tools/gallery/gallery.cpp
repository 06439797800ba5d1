// Renders every control, in every language, to PNG files for a person to look at:
// build/default/tools/gallery/vorn_gallery /tmp/gallery
#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cstdio>

#include "app/fonts.h"
#include "app/mode_window.h"
#include "app/top_black_view.h"
#include "link/usb_hid.h"
#include "model/language.h"
#include "model/notification_center.h"
#include "scratch_settings.h"
#include "widgets/dash_board_view.h"
#include "widgets/image_title_button.h"
#include "widgets/number_field.h"
#include "widgets/progress_view.h"
#include "widgets/segmented_control.h"
#include "widgets/slider.h"
#include "widgets/switch.h"
#include "widgets/tool_view.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/velmar_slider_view.h"

namespace {

struct Shot {
  QString name;
  std::function<QWidget*()> make;
  QSize size;
  // Readings the dials take once shown (showing one first resets its needle).
  std::function<void(QWidget*)> shown = nullptr;
};

QList<Shot> shots() {
  return {
      {"channel-slider",
       [] {
         auto* v = new KoVelmarSliderView(1003, "ID:3", nullptr, "tag_forward", "tag_backward");
         v->setPosition(733);
         v->setTrim(-20);
         return v;
       },
       KoVelmarSliderView::kSize},
      {"channel-panel", [] { return new KoVelmarPanView(nullptr); }, {600, 600}},
      {"voltage-dial",
       [] { return new KoDashBoardView; },
       {220, 220},
       [](QWidget* w) { static_cast<KoDashBoardView*>(w)->progress(7.4); }},
      {"position-dial",
       [] { return new KoDashBoardPostionView; },
       {220, 220},
       [](QWidget* w) { static_cast<KoDashBoardPostionView*>(w)->progress(65); }},
      {"thermometer",
       [] {
         auto* t = new KoDashBoardTemperatureView;
         t->setPro(42);
         return t;
       },
       {60, 400}},
      {"image-title-buttons",
       [] {
         auto* row = new QWidget;
         auto* l = new QHBoxLayout(row);
         l->addWidget(new KoImageTitleButton(":/images/add.svg", "add_action"));
         l->addWidget(new KoImageTitleButton(":/images/download.svg", "download"));
         auto* grey = new KoImageTitleButton(":/images/download.svg", "progress");
         grey->setBackgroundColor(QColor(0xcc, 0xcc, 0xcc));
         l->addWidget(grey);
         auto* off = new KoImageTitleButton(":/images/hand.svg", "motor_off");
         off->setEnabled(false);
         l->addWidget(off);
         return row;
       },
       {440, 90}},
      {"switch",
       [] {
         auto* on = new KoSwitch;
         on->setOn(true);
         return on;
       },
       {60, 30}},
      {"number-field",
       [] {
         auto* f = new KoNumberField(1000);
         f->setValue(500);
         return f;
       },
       {100, 32}},
      {"sliders",
       [] {
         auto* box = new QWidget;
         auto* l = new QHBoxLayout(box);
         auto* column = new QVBoxLayout;
         auto* limit = new KoSlider(Qt::Horizontal);
         limit->setRange(1, 1000);
         limit->setValue(700);
         auto* speed = new KoSlider(Qt::Horizontal);
         speed->setCell(KoSliderCell::KoSpeedSlider);
         speed->setRange(-1000, 1000);
         speed->setValue(-350);
         column->addWidget(limit);
         column->addWidget(speed);
         l->addLayout(column, 1);
         auto* volts = new KoSlider(Qt::Vertical);
         volts->setRange(4.5, 14.0);
         volts->setStep(0.1);
         volts->setValue(7.4);
         l->addWidget(volts);
         return box;
       },
       {320, 160}},
      {"progress",
       [] {
         auto* p = new KoProgressView;
         p->setTitle("settings");
         p->setPro(120);
         return p;
       },
       {200, 30}},
      {"tool-view",
       [] {
         auto* panel = new KoToolView("led_warning");
         auto* l = new QHBoxLayout(panel->contentWidget());
         l->addWidget(new QLabel("·"));
         return panel;
       },
       {260, 160}},
      {"segmented-control", [] { return new KoSegmentedControl; }, {240, 30}},
  };
}

// Takes the widget over.
QImage onCharcoal(QWidget* w, const QSize& size,
                  const std::function<void(QWidget*)>& shown = nullptr) {
  QWidget frame;
  QPalette palette = frame.palette();
  palette.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x31));
  frame.setPalette(palette);
  frame.setAutoFillBackground(true);
  auto* l = new QVBoxLayout(&frame);
  l->setContentsMargins(12, 12, 12, 12);
  w->setFixedSize(size);
  l->addWidget(w);
  frame.adjustSize();
  frame.show();
  if (shown) shown(w);
  return frame.grab().toImage();
}

bool fail(const QString& what) {
  fprintf(stderr, "vorn_gallery: %s\n", qPrintable(what));
  return false;
}

bool renderLanguage(const QString& dir, const QString& name) {
  const QString code = KoLanguage::codeForName(name);
  KoLanguage::instance().choose(name, nullptr);
  if (!QDir().mkpath(dir + "/" + code)) return fail("cannot make " + dir + "/" + code);
  QList<QPair<QString, QImage>> images;
  for (const Shot& s : shots()) {
    const QImage image = onCharcoal(s.make(), s.size, s.shown);
    const QString path = QStringLiteral("%1/%2/%3.png").arg(dir, code, s.name);
    if (!image.save(path)) return fail("cannot write " + path);
    images.append({s.name, image});
  }
  usbHid link;
  images.append({"top-bar", onCharcoal(new KoTopBlackView(link), {1000, 38})});
  ModeWindow tip(ModeWindow::Kind::DestructiveConfirmation, qtTrId("comfirm_all_erase"));
  tip.adjustSize();
  images.append({"confirmation", tip.grab().toImage()});

  // One sheet with everything, one control under the other.
  int width = 0;
  int height = 0;
  for (const auto& [shot, image] : images) {
    width = qMax(width, image.width());
    height += image.height();
  }
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(QColor(0x44, 0x44, 0x48));
  QPainter p(&sheet);
  for (int y = 0; const auto& [shot, image] : images) {
    p.drawImage(0, y, image);
    y += image.height();
  }
  p.end();
  const QString path = QStringLiteral("%1/%2/sheet.png").arg(dir, code);
  return sheet.save(path) || fail("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  // Renders without a display unless told otherwise (QT_QPA_PLATFORM=xcb shows the real one).
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Going through languages and switches: in a scratch folder, not the user's settings.
  const ScratchSettings settings;
  if (!settings.isValid()) {
    fail("no temporary folder for the settings");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Vorn"));
  QApplication::setApplicationName(QStringLiteral("vorn-gallery"));
  const QStringList args = QApplication::arguments();
  if (args.size() != 2 || args[1].startsWith('-')) {
    fprintf(stderr, "usage: vorn_gallery OUTPUT_FOLDER\n");
    return 2;
  }
  KoFonts::applyUiFont();
  KoLanguage::instance().load();
  for (const QString& name : KoLanguage::languages()) {
    if (!renderLanguage(args[1], name)) return 1;
  }
  printf("vorn_gallery: wrote %s/<language>/*.png\n", qPrintable(args[1]));
  return 0;
}
