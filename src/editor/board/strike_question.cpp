#include "editor/board/strike_question.h"

#include "session/frame_list_model.h"
#include "session/frame_marks.h"
#include "widgets/prompter.h"

namespace KoTools {

bool confirmSending(const KoFrameMarks& marks, const KoFrameListModel& model,
                    const char* questionKey) {
  const int row = marks.firstStrike();
  if (row < 0) return true;
  return showCancelAndOkWithMessage(qtTrId(questionKey)
                                        .arg(model.number(row))
                                        .arg(KoFrameMarks::strikeText(marks.at(row).faults)),
                                    Question::Destructive);
}

}  // namespace KoTools
