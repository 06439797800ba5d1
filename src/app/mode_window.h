#pragma once

#include <QDialog>
#include <functional>

#include "widgets/prompter.h"

class QLabel;
class QPushButton;
class QWidget;

// The program's one message box: a tip (one confirm button) or a confirmation (confirm and
// cancel), modal, without a title bar. Closing it any other way answers no.
class ModeWindow : public QDialog {
  Q_OBJECT

 public:
  // A destructive confirmation makes cancel the default, so Enter keeps what is there.
  // A save question adds "don't save" to its confirm (save) and cancel.
  enum class Kind { Tip, Confirmation, DestructiveConfirmation, SaveQuestion };

  ModeWindow(Kind kind, const QString& message, QWidget* parent = nullptr);
  ~ModeWindow() override;

  // Told the answer: true for confirm, false for cancel or close.
  std::function<void(bool)> block;

  QLabel* message() const { return message_; }
  QPushButton* comfirm() const { return comfirm_; }
  QWidget* viewCancelOk() const { return viewCancelOk_; }
  QPushButton* buttonCancelComfirm() const { return buttonCancelComfirm_; }
  QPushButton* buttonCancel() const { return buttonCancel_; }
  // Only in a save question.
  QPushButton* buttonDiscard() const { return buttonDiscard_; }
  bool discarded() const { return discarded_; }

  void okAction();
  void cancelAction();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void end(bool answer);

  QLabel* message_;
  QPushButton* comfirm_;
  QWidget* viewCancelOk_;
  QPushButton* buttonCancelComfirm_;
  QPushButton* buttonCancel_;
  QPushButton* buttonDiscard_ = nullptr;
  bool answered_ = false;
  bool discarded_ = false;
};

// Shows tips and questions in ModeWindow dialogs over the main window.
class DialogPrompter : public Prompter {
 public:
  explicit DialogPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void showTip(const QString& message) override;
  bool confirm(const QString& message) override;
  bool confirmDestructive(const QString& message) override;
  SaveAnswer askToSave(const QString& message) override;

  // Called with each dialog just before it runs (tests answer it from here).
  std::function<void(ModeWindow*)> onShow;

 private:
  bool ask(ModeWindow::Kind kind, const QString& message);

  QWidget* parent_;
};
