#include "widgets/accessible_controls.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "widgets/segmented_control.h"
#include "widgets/slider.h"
#include "widgets/switch.h"

namespace {

const char* const kRoleProperty = "koAccessibleRole";
KoAccessible::Listener listener = nullptr;

class AccessibleSwitch final : public QAccessibleWidget {
 public:
  explicit AccessibleSwitch(KoSwitch* s) : QAccessibleWidget(s, QAccessible::CheckBox) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = control()->isOn();
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
  }
  // A reader's toggle is the user's, as a click is; a disabled switch takes none.
  void doAction(const QString& action) override {
    if (action != toggleAction()) return QAccessibleWidget::doAction(action);
    if (control()->isEnabled()) control()->toggle();
  }

 private:
  KoSwitch* control() const { return static_cast<KoSwitch*>(widget()); }
};

class AccessibleSlider final : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleSlider(KoSlider* s) : QAccessibleWidget(s, QAccessible::Slider) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return QString::number(control()->value());
    return QAccessibleWidget::text(t);
  }
  QVariant currentValue() const override { return control()->value(); }
  void setCurrentValue(const QVariant& value) override {
    if (control()->isEnabled()) control()->setValueByUser(value.toDouble());
  }
  QVariant maximumValue() const override { return control()->maximum(); }
  QVariant minimumValue() const override { return control()->minimum(); }
  QVariant minimumStepSize() const override { return control()->step(); }

 private:
  KoSlider* control() const { return static_cast<KoSlider*>(widget()); }
};

class AccessibleSegments final : public QAccessibleWidget {
 public:
  explicit AccessibleSegments(KoSegmentedControl* c)
      : QAccessibleWidget(c, QAccessible::PageTabList) {}

  // The name lists every segment; the value is the chosen one.
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Value) return QAccessibleWidget::text(t);
    const auto* c = static_cast<const KoSegmentedControl*>(widget());
    const QString key = c->titles().value(c->index());
    return key.isEmpty() ? QString() : qtTrId(key.toUtf8().constData());
  }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (className == QLatin1String("KoSwitch")) {
    return new AccessibleSwitch(static_cast<KoSwitch*>(object));
  }
  if (className == QLatin1String("KoSlider")) {
    return new AccessibleSlider(static_cast<KoSlider*>(object));
  }
  if (className == QLatin1String("KoSegmentedControl")) {
    return new AccessibleSegments(static_cast<KoSegmentedControl*>(object));
  }
  // Asked last, for the base class, so that a widget Qt knows better keeps Qt's interface.
  if (className == QLatin1String("QWidget")) {
    const QVariant role = object->property(kRoleProperty);
    if (role.isValid()) {
      return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Role(role.toInt()));
    }
  }
  return nullptr;
}

}  // namespace

namespace KoAccessible {

void install() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
}

void tell(QAccessibleEvent* event) {
  if (listener) listener(event);
  QAccessible::updateAccessibility(event);
}

void setListener(Listener l) { listener = l; }

void setRole(QWidget* widget, QAccessible::Role role) {
  install();
  widget->setProperty(kRoleProperty, int(role));
}

}  // namespace KoAccessible
