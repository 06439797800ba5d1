#include "widgets/accessible_controls.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include "widgets/slider.h"
#include "widgets/switch.h"

namespace {

const char* const kRoleProperty = "koAccessibleRole";
KoAccessible::Listener listener = nullptr;

QHash<const QObject*, KoAccessible::Tabs>& allTabs() {
  static QHash<const QObject*, KoAccessible::Tabs> tabs;
  return tabs;
}

// A reader may still hold a tab of a row that has gone: it finds none.
const KoAccessible::Tabs& tabsOf(const QObject* widget) {
  static const KoAccessible::Tabs none{[] { return QStringList(); }, [] { return -1; },
                                       [](int) { return QRect(); }, [](int) {}};
  const auto it = allTabs().constFind(widget);
  return it == allTabs().cend() ? none : *it;
}

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

class AccessibleTab final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleTab(QAccessibleInterface* row, QWidget* widget, int index)
      : row_(row), widget_(widget), index_(index) {}

  bool isValid() const override { return widget_ && index_ < tabs().titles().size(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return row_->window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return row_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? tabs().titles().value(index_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect r = tabs().rect(index_);
    return {widget_->mapToGlobal(r.topLeft()), r.size()};
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = isValid() && tabs().current() == index_;
    s.invisible = !widget_ || !widget_->isVisible();
    s.disabled = !widget_ || !widget_->isEnabled();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && isValid() && widget_->isEnabled()) tabs().choose(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  const KoAccessible::Tabs& tabs() const { return tabsOf(widget_.data()); }

  QAccessibleInterface* row_;
  QPointer<QWidget> widget_;
  int index_;
};

// The row: its name from the widget, its value the chosen tab, a child per tab.
class AccessibleTabs final : public QAccessibleWidget {
 public:
  explicit AccessibleTabs(QWidget* w) : QAccessibleWidget(w, QAccessible::PageTabList) {}
  ~AccessibleTabs() override {
    for (QAccessible::Id id : std::as_const(children_)) QAccessible::deleteAccessibleInterface(id);
  }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Value) return QAccessibleWidget::text(t);
    return tabs().titles().value(tabs().current());
  }
  int childCount() const override { return int(tabs().titles().size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (!children_.contains(index)) {
      children_[index] = QAccessible::registerAccessibleInterface(
          new AccessibleTab(const_cast<AccessibleTabs*>(this), widget(), index));
    }
    return QAccessible::accessibleInterface(children_[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (auto it = children_.cbegin(); it != children_.cend(); ++it) {
      if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
    }
    return -1;
  }

 private:
  const KoAccessible::Tabs& tabs() const { return tabsOf(widget()); }

  mutable QHash<int, QAccessible::Id> children_;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (className == QLatin1String("KoSwitch")) {
    return new AccessibleSwitch(static_cast<KoSwitch*>(object));
  }
  if (className == QLatin1String("KoSlider")) {
    return new AccessibleSlider(static_cast<KoSlider*>(object));
  }
  // Asked last, for the base class, so that a widget Qt knows better keeps Qt's interface.
  if (className == QLatin1String("QWidget")) {
    if (allTabs().contains(object)) return new AccessibleTabs(static_cast<QWidget*>(object));
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

void setTabs(QWidget* widget, Tabs tabs) {
  install();
  allTabs().insert(widget, std::move(tabs));
  QObject::connect(widget, &QObject::destroyed, [widget] { allTabs().remove(widget); });
}

void setRole(QWidget* widget, QAccessible::Role role) {
  install();
  widget->setProperty(kRoleProperty, int(role));
}

}  // namespace KoAccessible
