#pragma once

#include <QHash>
#include <memory>
#include <vector>

#include "model/channel_view.h"

class FakeChannelView final : public ChannelView {
 public:
  explicit FakeChannelView(QString text = QStringLiteral("500"), bool hidden = false)
      : text_(std::move(text)), hidden_(hidden) {}

  QString text() const override { return text_; }
  void setText(const QString& text) override { text_ = text; }
  bool isHidden() const override { return hidden_; }
  void setControlText(const QString& name, const QString& text) override { controls[name] = text; }
  void setShake(bool shake) override { shaken = shake; }

  void setHidden(bool hidden) { hidden_ = hidden; }

  QHash<QString, QString> controls;
  bool shaken = false;

 private:
  QString text_;
  bool hidden_;
};

// Owns a row of fake sliders and hands out the view list the conversions take.
struct FakeSliders {
  explicit FakeSliders(int count, const QString& text = QStringLiteral("500")) {
    for (int i = 0; i < count; ++i) owned.push_back(std::make_unique<FakeChannelView>(text));
  }
  FakeChannelView& operator[](int i) { return *owned[i]; }
  ChannelViews views() const {
    ChannelViews v;
    for (const auto& o : owned) v.append(o.get());
    return v;
  }
  std::vector<std::unique_ptr<FakeChannelView>> owned;
};
