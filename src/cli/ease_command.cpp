// vornctl file ease: the editor's easing of moves, on an action file.
#include <algorithm>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "model/action_file.h"
#include "model/easing.h"

namespace vornctl {

namespace {

// Frames are numbered from 1, as `file show` and the editor's table number them.
constexpr limits::Range kFrameNumber{1, limits::kMaxFramesPerFile, 1};

struct EaseArgs {
  std::string file;
  std::string out;
  std::string curve = "in-out";
  int from = 0;  // 0: the first frame
  int to = 0;    // 0: the last frame
  int stepMs = easing::kStepMs.start;
};

EaseArgs args;

void ease() {
  const QString in = pathOf(args.file);
  const QString out = pathOf(args.out);
  const std::optional<easing::Curve> curve = easing::parseCurve(QString::fromStdString(args.curve));
  if (!curve) {
    throw CliError(kUsage, qtTrId("ctl_ease_no_curve").arg(QString::fromStdString(args.curve)));
  }
  const VelmarFrames frames = KoTools::readVelmarData(readActionFile(in));
  const int count = int(frames.size());
  const int from = args.from ? args.from : 1;
  const int to = args.to ? args.to : std::max(count, 1);
  // Only options the user gave can be blamed; otherwise the file has no move there.
  if (args.from && args.to && from >= to) {
    throw CliError(kUsage, qtTrId("ctl_ease_from_after_to").arg(from).arg(to));
  }
  if (to > count) throw CliError(kFailed, qtTrId("ctl_ease_past_end", count).arg(in).arg(to));
  if (from >= to) {
    throw CliError(kFailed, qtTrId("ctl_ease_no_move", count).arg(in).arg(from).arg(to));
  }
  QList<int> rows;
  for (int r = from - 1; r < to; ++r) rows.append(r);
  const easing::EasePlan plan = easing::planEase(frames, rows, *curve, args.stepMs);
  if (plan.refused()) {
    throw CliError(kFileError, qtTrId("ctl_ease_over_budget")
                                   .arg(in)
                                   .arg(plan.overBudgetRow)
                                   .arg(plan.overBudgetRow + 1)
                                   .arg(limits::kMaxFramesPerGroup));
  }
  if (plan.moves.isEmpty()) {
    throw CliError(kFailed, qtTrId("ctl_ease_too_short").arg(in).arg(2 * args.stepMs));
  }
  const VelmarFrames eased = easing::applied(frames, plan);
  writeOut(out, KoTools::changeToData(eased));
  printError(qtTrId("ctl_ease_done")
                 .arg(qtTrId("ctl_moves_eased", int(plan.moves.size())),
                      qtTrId("ctl_frames_added", plan.added),
                      qtTrId("ctl_frames_written", int(eased.size())).arg(out)));
}

}  // namespace

void addEaseCommand(CLI::App* file) {
  CLI::App* c = file->add_subcommand("ease", h(qtTrId("ctl_help_file_ease")));
  c->add_option("FILE", args.file, h(qtTrId("ctl_help_rob_file")))->required();
  wholeIn(c->add_option("--from", args.from, h(qtTrId("ctl_help_ease_from"))), kFrameNumber);
  wholeIn(c->add_option("--to", args.to, h(qtTrId("ctl_help_ease_to"))), kFrameNumber);
  c->add_option("--curve", args.curve, h(qtTrId("ctl_help_ease_curve")))->type_name("CURVE");
  wholeIn(c->add_option("--step", args.stepMs, h(qtTrId("ctl_help_ease_step"))), easing::kStepMs);
  c->add_option("-o,--output", args.out, h(qtTrId("ctl_help_ease_output")))->required();
  c->callback(ease);
}

}  // namespace vornctl
