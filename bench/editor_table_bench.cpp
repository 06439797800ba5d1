// The editor's table at 65,535 frames: the median time of one frame operation, and the time
// from choosing a file of 65,535 frames to the table showing it. Each operation is timed
// twice: the list and the table's bookkeeping alone, and with the repaint it causes. The
// same operations on a list of 100 frames show which part grows with the list. Then the
// undo and redo of one step of each kind at 65,535 frames, timed the same way, and a change
// of the arm profile, which looks at every frame's marks again.
// Runs on the offscreen platform unless another is asked for.
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "editor/files/editor_files.h"
#include "editor/files/file_panels.h"
#include "editor/list/frame_editor.h"
#include "editor/velmar_view_controller.h"
#include "link/usb_hid.h"
#include "model/action_file.h"
#include "model/move_frame.h"
#include "session/arm_ranges.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "silent_prompter.h"

namespace {

constexpr int kFrames = 65535;
constexpr int kRounds = 301;

class FixedPanels final : public KoFilePanels {
 public:
  QString path;
  QStringList chooseFilesToOpen(bool, const QString&) override { return {path}; }
  QString chooseFileToSave(const QString&) override { return {}; }
  QString chooseSong() override { return {}; }
};

QByteArray generatedImage(int frames) {
  QByteArray image("SOBARM", 6);
  frame::appendLe16(image, frames);
  image.append(8, '\0');
  for (int i = 0; i < frames; ++i) {
    frame::appendLe16(image, 50 + (i * 37) % 2000);
    for (int j = 1; j <= 6; ++j) frame::appendLe16(image, (i * 7 + j * 131) % 1001);
  }
  return image;
}

double medianOf(std::vector<double> times) {
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

struct Timing {
  double bookkeeping;
  double withRepaint;
};

// Runs `step` kRounds times, `undo` after each outside the clock; medians in milliseconds.
Timing timed(const std::function<void()>& step, const std::function<void()>& undo) {
  std::vector<double> alone;
  std::vector<double> painted;
  for (int i = 0; i < kRounds; ++i) {
    QElapsedTimer clock;
    clock.start();
    step();
    alone.push_back(double(clock.nsecsElapsed()) / 1e6);
    QCoreApplication::processEvents();
    painted.push_back(double(clock.nsecsElapsed()) / 1e6);
    undo();
    QCoreApplication::processEvents();
  }
  return {medianOf(alone), medianOf(painted)};
}

void measure(KoVelmarViewController& editor, FixedPanels& panels, const QString& dir, int frames) {
  panels.path = dir + QStringLiteral("/bench%1.rob").arg(frames);
  QFile file(panels.path);
  if (!file.open(QIODevice::WriteOnly) || file.write(generatedImage(frames)) < 0) return;
  file.close();
  KoFrameListModel* model = editor.model();
  QTableView* table = editor.tableView();

  std::vector<double> opens;
  for (int i = 0; i < 21; ++i) {
    model->replaceAll({});
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    editor.buttonClick(KoEditorFiles::kOpen);
    QCoreApplication::processEvents();
    table->viewport()->repaint();
    opens.push_back(double(clock.nsecsElapsed()) / 1e6);
  }

  const Timing add = timed(
      [&] {
        model->setSelectIndex(model->count() - 1);
        editor.buttonClick(KoFrameEditor::kAdd);
      },
      [&] { model->removeAt(model->count() - 1); });
  const Timing insert = timed(
      [&] {
        model->setSelectIndex(0);
        editor.buttonClick(KoFrameEditor::kInsert);
        model->flushRenumbering();
      },
      [&] { model->removeAt(0); });
  VelmarFrame removed;
  const Timing remove = timed(
      [&] {
        model->setSelectIndex(0);
        removed = model->frameAt(0);
        editor.buttonClick(KoFrameEditor::kDelete);
        model->flushRenumbering();
      },
      [&] { model->insert(0, removed); });
  int value = 0;
  // A row on screen, so that the edit is repainted.
  const int shown = model->selectIndex();
  const Timing cell = timed(
      [&] {
        model->setData(model->index(shown, KoFrameListModel::kFirstChannelColumn),
                       QString::number(value++ % 1001), Qt::EditRole);
      },
      [] {});

  std::printf("%d frames (median of %d; bookkeeping / with repaint)\n", frames, kRounds);
  for (const auto& [name, t] : {std::pair{"add at the end   ", add},
                                {"insert at the top", insert},
                                {"delete at the top", remove},
                                {"cell edit        ", cell}}) {
    std::printf("  %s %8.3f ms / %8.3f ms\n", name, t.bookkeeping, t.withRepaint);
  }
  std::printf("  open to shown     %8.3f ms (median of 21)\n", medianOf(opens));
}

// Each kind of change once, then its undo and its redo timed, the other outside the clock.
void measureUndo(KoVelmarViewController& editor, FixedPanels& panels, const QString& dir) {
  panels.path = dir + QStringLiteral("/bench%1.rob").arg(kFrames);
  editor.buttonClick(KoEditorFiles::kOpen);
  QCoreApplication::processEvents();
  KoFrameListModel* model = editor.model();
  KoFrameHistory* history = editor.history();
  const int middle = model->count() / 2;
  const auto undo = [&] {
    history->undo();
    model->flushRenumbering();
  };
  const auto redo = [&] {
    history->redo();
    model->flushRenumbering();
  };
  const auto at = [&](EditorAction tag) {
    return [&editor, model, middle, tag] {
      model->setSelectIndex(middle);
      editor.buttonClick(tag);
    };
  };
  const struct {
    const char* name;
    std::function<void()> change;
  } changes[] = {
      {"add       ", [&] { editor.buttonClick(KoFrameEditor::kAdd); }},
      {"insert    ", at(KoFrameEditor::kInsert)},
      {"update    ", at(KoFrameEditor::kUpdate)},
      {"delete    ", at(KoFrameEditor::kDelete)},
      {"cell edit ",
       [&] {
         model->setData(model->index(middle, KoFrameListModel::kTimeColumn),
                        QString::number(100 + model->frameAt(middle)->time % 500), Qt::EditRole);
       }},
      {"paste     ", [&] { editor.frameEditor()->menuclick(KoFrameEditor::kPasteAfter); }},
  };
  model->setSelectIndex(1);
  editor.frameEditor()->menuclick(KoFrameEditor::kCopy);
  std::printf("undo / redo of one step at %d frames (median of %d; bookkeeping / with repaint)\n",
              model->count(), kRounds);
  for (const auto& c : changes) {
    c.change();
    QCoreApplication::processEvents();
    const Timing undone = timed(undo, redo);
    undo();
    const Timing redone = timed(redo, undo);
    std::printf("  undo %s %8.3f ms / %8.3f ms   redo %8.3f ms / %8.3f ms\n", c.name,
                undone.bookkeeping, undone.withRepaint, redone.bookkeeping, redone.withRepaint);
  }
}

// A narrowed profile and back: every frame's marks are looked at again and the views repaint.
void measureProfileChange(KoVelmarViewController& editor) {
  KoArmRanges* ranges = editor.armRanges();
  const KoArmProfile shipped = ranges->profile();
  KoArmProfile narrowed = shipped;
  for (KoChannelProfile& c : narrowed.channels) std::tie(c.lowest, c.highest) = std::pair(100, 900);
  const Timing change =
      timed([&] { ranges->setProfile(narrowed); }, [&] { ranges->setProfile(shipped); });
  std::printf("profile change at %d frames  %8.3f ms / %8.3f ms (median of %d)\n",
              editor.model()->count(), change.bookkeeping, change.withRepaint, kRounds);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SilentPrompter prompter;
  KoTools::installPrompter(&prompter);
  QTemporaryDir dir;
  FixedPanels panels;
  KoFilePanels::install(&panels);

  KoVelmarViewController editor(usbHid::sharedManager());
  editor.frameEditor()->setAddDelay(0);
  editor.model()->setRenumberDelay(0);
  editor.resize(1260, 740);
  editor.show();
  QCoreApplication::processEvents();

  measure(editor, panels, dir.path(), kFrames);
  measure(editor, panels, dir.path(), 100);
  measureUndo(editor, panels, dir.path());
  measureProfileChange(editor);
  return 0;
}
