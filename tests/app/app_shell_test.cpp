#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/app_delegate.h"
#include "app/language.h"
#include "app/mode_window.h"
#include "app/top_black_view.h"
#include "app/tray_notifier.h"
#include "app/window.h"
#include "board/virtual_board.h"
#include "link/hid_transport.h"
#include "link/usb_hid.h"
#include "model/notification_center.h"
#include "recording_prompter.h"
#include "wait.h"

namespace {

QStringList& tips() { return RecordingPrompter::instance().tips; }

// Counts "KoChangeLanguageNotification".
struct LanguageSpy {
  LanguageSpy() {
    c = QObject::connect(&KoNotificationCenter::defaultCenter(),
                         &KoNotificationCenter::changeLanguage, [this](QObject*) { ++posts; });
  }
  ~LanguageSpy() { QObject::disconnect(c); }
  int posts = 0;
  QMetaObject::Connection c;
};

// A USB board that is never there.
class NoBoard : public HidTransport {
 public:
  void start() override {}
  bool write(const QByteArray&) override { return false; }
  QString name() const override { return QStringLiteral("none"); }
};

class AppShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings().clear();
    KoLanguage::instance().load();
    delegate.applicationDidFinishLaunching(true);
    KoTools::installPrompter(&RecordingPrompter::instance());  // the shell installs its own
    delegate.window()->show();
    delegate.viewTop()->grab();  // lays out the tab outlines
  }
  void TearDown() override { DesktopNotifier::install(nullptr); }

  // Clicks the middle of tab title i.
  void clickTab(int i) {
    const QPointF centre = delegate.viewTop()->paths().at(i).boundingRect().center();
    QTest::mouseClick(delegate.viewTop(), Qt::LeftButton, {}, centre.toPoint());
  }

  usbHid link;
  AppDelegate delegate{link, [] { return std::make_unique<NoBoard>(); }};
};

TEST(Language, FirstStartIsEnglish) {
  QSettings().clear();
  KoLanguage::instance().load();
  QSettings settings;
  EXPECT_EQ(settings.value("language").toString(), "English");
  EXPECT_EQ(settings.value("AppLanguagesKey").toString(), "en");
  EXPECT_EQ(qtTrId("servo_adjust"), "Bus Servo Tool");
}

TEST(Language, UnknownLanguageFallsBackToEnglishAndUnknownTextToItsKey) {
  QSettings().setValue("language", "Klingon");
  KoLanguage::instance().setLanguage("tlh");
  EXPECT_EQ(qtTrId("servo_adjust"), "Bus Servo Tool");
  EXPECT_EQ(qtTrId("no_such_text"), "no_such_text");
  KoLanguage::instance().setLanguage("en");
}

TEST_F(AppShellTest, ChoosingALanguageStoresItAndRelabelsOnce) {
  LanguageSpy spy;
  const QString english = delegate.tabView()->tabText(1);
  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("繁體"));
  EXPECT_EQ(spy.posts, 1);
  QSettings settings;
  EXPECT_EQ(settings.value("language").toString(), "繁體");
  EXPECT_EQ(settings.value("AppLanguagesKey").toString(), "zh-Hant");
  EXPECT_NE(delegate.tabView()->tabText(1), english);
  EXPECT_EQ(delegate.tabView()->tabText(1), qtTrId("servo_adjust"));

  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("繁體"));
  EXPECT_EQ(spy.posts, 1);  // already chosen

  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("English"));
  EXPECT_EQ(delegate.tabView()->tabText(1), english);
}

TEST_F(AppShellTest, TabSwitchRules) {
  clickTab(1);
  EXPECT_EQ(delegate.tabView()->currentIndex(), 1);
  EXPECT_EQ(delegate.viewTop()->index(), 1);

  link.setDownload(true);
  clickTab(0);
  clickTab(1);  // the selected one: nothing, not even a tip
  EXPECT_EQ(tips(), QStringList{qtTrId("progress")});
  EXPECT_EQ(delegate.tabView()->currentIndex(), 1);
  link.setDownload(false);

  tips().clear();
  link.setSerial(true);
  clickTab(1);
  clickTab(0);
  EXPECT_EQ(tips(), QStringList(2, qtTrId("operation_fail")));
  EXPECT_EQ(delegate.tabView()->currentIndex(), 1);
  link.setSerial(false);

  QStringList order;
  delegate.setMotorModeReset([&] {
    order << QStringLiteral("reset at %1").arg(delegate.tabView()->currentIndex());
    link.setMotorMode(false);
  });
  link.setMotorMode(true);
  clickTab(0);
  EXPECT_EQ(order, QStringList{"reset at 1"});
  EXPECT_EQ(delegate.tabView()->currentIndex(), 0);
}

TEST_F(AppShellTest, SmallScreensGetAFixedWindow) {
  // The offscreen screen is 800 wide: at most 1280, so the window keeps 1260 x 800.
  EXPECT_EQ(delegate.window()->minimumSize(), QSize(1260, 800));
  EXPECT_EQ(delegate.window()->maximumSize(), QSize(1260, 800));
}

TEST_F(AppShellTest, SwitchingBetweenTheVirtualAndTheUsbBoard) {
  EXPECT_TRUE(delegate.usesVirtualBoard());
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  const QString virtualText = delegate.viewTop()->linkBadge()->text();

  delegate.viewTop()->linkBadge()->click();
  EXPECT_FALSE(delegate.usesVirtualBoard());
  EXPECT_FALSE(link.connection());
  EXPECT_NE(delegate.viewTop()->linkBadge()->text(), virtualText);

  link.setDownload(true);
  delegate.viewTop()->linkBadge()->click();
  EXPECT_FALSE(delegate.usesVirtualBoard());
  EXPECT_EQ(tips(), QStringList{qtTrId("progress")});
  link.setDownload(false);

  delegate.viewTop()->linkBadge()->click();
  EXPECT_TRUE(processUntil([&] { return link.connection(); }));
}

TEST(ModeWindow, AnswersOfAConfirmation) {
  DialogPrompter prompter;
  QList<bool> visible;
  auto answerWith = [&](std::function<void(ModeWindow*)> answer) {
    prompter.onShow = [&, answer](ModeWindow* w) {
      visible = {w->comfirm()->isVisibleTo(w), w->viewCancelOk()->isVisibleTo(w)};
      QTimer::singleShot(0, w, [w, answer] { answer(w); });
    };
  };
  answerWith([](ModeWindow* w) { w->buttonCancelComfirm()->click(); });
  EXPECT_TRUE(prompter.confirm(QStringLiteral("erase?")));
  EXPECT_EQ(visible, (QList<bool>{false, true}));
  answerWith([](ModeWindow* w) { w->buttonCancel()->click(); });
  EXPECT_FALSE(prompter.confirm(QStringLiteral("erase?")));
  answerWith([](ModeWindow* w) { w->close(); });
  EXPECT_FALSE(prompter.confirm(QStringLiteral("erase?")));
  answerWith([](ModeWindow* w) { QTest::keyClick(w, Qt::Key_Escape); });
  EXPECT_FALSE(prompter.confirm(QStringLiteral("erase?")));

  QString shown;
  prompter.onShow = [&](ModeWindow* w) {
    visible = {w->comfirm()->isVisibleTo(w), w->viewCancelOk()->isVisibleTo(w)};
    shown = w->message()->text();
    QTimer::singleShot(0, w, [w] { w->comfirm()->click(); });
  };
  prompter.showTip(QStringLiteral("saved"));
  EXPECT_EQ(shown, "saved");
  EXPECT_EQ(visible, (QList<bool>{true, false}));
}

TEST(Notifications, ShownInTheWindowWithoutATray) {
  KoWindow window;
  window.resize(800, 600);
  TrayNotifier notifier(&window, false, 0);
  window.show();
  notifier.notify(QStringLiteral("USB-HID Connected"), QStringLiteral("TAVEN <b>"));
  ASSERT_TRUE(notifier.notice());
  EXPECT_TRUE(notifier.notice()->isVisible());
  EXPECT_TRUE(notifier.notice()->text().contains("TAVEN &lt;b&gt;"));
  EXPECT_TRUE(processUntil([&] { return !notifier.notice()->isVisible(); }));
}

}  // namespace
