// Undo and redo of one step in the editor at 65,535 frames: the median time of each, for
// every kind of single-frame change, then for the opening of the whole file. Each time
// includes the table's bookkeeping and the repaint the step causes.
// Runs on the offscreen platform unless another is asked for.
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "editor/editor_files.h"
#include "editor/file_panels.h"
#include "editor/frame_editor.h"
#include "editor/frame_history.h"
#include "editor/frame_list_model.h"
#include "editor/velmar_view_controller.h"
#include "link/usb_hid.h"
#include "model/action_file.h"
#include "model/move_frame.h"
#include "model/prompter.h"

namespace {

constexpr int kFrames = 65535;
constexpr int kRounds = 301;

class SilentPrompter final : public Prompter {
 public:
  void showTip(const QString&) override {}
  bool confirm(const QString&) override { return false; }
  SaveAnswer askToSave(const QString&) override { return SaveAnswer::Discard; }
};

class FixedPanels final : public KoFilePanels {
 public:
  QString path;
  QStringList chooseFilesToOpen(bool) override { return {path}; }
  QString chooseFileToSave() override { return {}; }
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

// The step alone, the renumbering it leaves included; then until the table has repainted.
Timing timed(KoFrameListModel* model, const std::function<void()>& work) {
  QElapsedTimer clock;
  clock.start();
  work();
  model->flushRenumbering();
  const double alone = double(clock.nsecsElapsed()) / 1e6;
  QCoreApplication::processEvents();
  return {alone, double(clock.nsecsElapsed()) / 1e6};
}

void report(const char* name, const std::vector<Timing>& undos, const std::vector<Timing>& redos) {
  const auto median = [](const std::vector<Timing>& t, double Timing::*part) {
    std::vector<double> v;
    for (const Timing& x : t) v.push_back(x.*part);
    return medianOf(v);
  };
  std::printf("  %-10s undo %7.3f / %7.3f ms   redo %7.3f / %7.3f ms\n", name,
              median(undos, &Timing::bookkeeping), median(undos, &Timing::withRepaint),
              median(redos, &Timing::bookkeeping), median(redos, &Timing::withRepaint));
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
  panels.path = dir.filePath(QStringLiteral("long.rob"));
  KoTools::saveActionFile(panels.path, generatedImage(kFrames));

  KoVelmarViewController editor(usbHid::sharedManager());
  editor.frameEditor()->setAddDelay(0);
  KoFrameListModel* model = editor.model();
  model->setRenumberDelay(0);
  editor.resize(1260, 740);
  editor.show();
  editor.buttonClick(KoEditorFiles::kOpen);
  QCoreApplication::processEvents();
  std::printf("undo and redo of one step at %d frames (median of %d; bookkeeping / with repaint)\n",
              model->count(), kRounds);

  const int middle = kFrames / 2;
  const struct {
    const char* name;
    std::function<void()> change;
  } changes[] = {
      {"add", [&] { editor.buttonClick(KoFrameEditor::kAdd); }},
      {"insert",
       [&] {
         model->setSelectIndex(middle);
         editor.buttonClick(KoFrameEditor::kInsert);
       }},
      {"update",
       [&] {
         model->setSelectIndex(middle);
         editor.buttonClick(KoFrameEditor::kUpdate);
       }},
      {"delete",
       [&] {
         model->setSelectIndex(middle);
         editor.buttonClick(KoFrameEditor::kDelete);
       }},
      {"cell edit",
       [&] {
         model->setData(model->index(middle, KoFrameListModel::kTimeColumn),
                        QString::number(100 + model->frameAt(middle)->time % 500), Qt::EditRole);
       }},
      {"paste", [&] { editor.frameEditor()->menuclick(KoFrameEditor::kPasteAfter); }},
  };
  model->setSelectIndex(1);
  editor.frameEditor()->menuclick(KoFrameEditor::kCopy);
  for (const auto& c : changes) {
    std::vector<Timing> undos, redos;
    for (int round = 0; round < kRounds; ++round) {
      c.change();
      QCoreApplication::processEvents();
      undos.push_back(timed(model, [&] { editor.history()->undo(); }));
      redos.push_back(timed(model, [&] { editor.history()->redo(); }));
      editor.history()->undo();
    }
    report(c.name, undos, redos);
  }

  std::vector<Timing> undos, redos;
  for (int round = 0; round < 11; ++round) {
    editor.buttonClick(KoEditorFiles::kOpen);
    QCoreApplication::processEvents();
    undos.push_back(timed(model, [&] { editor.history()->undo(); }));
    redos.push_back(timed(model, [&] { editor.history()->redo(); }));
  }
  report("open (11)", undos, redos);
  return 0;
}
