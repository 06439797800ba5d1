#include "editor/editor_actions.h"

#include <algorithm>
#include <iterator>

#include <QtGlobal>

#include "model/limits.h"

namespace {

using A = EditorAction;

// List edits, file work and the run never touch the board's own memory, so they go on while
// the serial port carries the moves; the board's groups, trims and reads need the USB board.
constexpr EditorActionRule kRules[] = {
    //  action           board  serial running download
    {A::SelectAll, false, true, false, false},     {A::ResetServos, false, false, false, false},
    {A::Undo, false, true, false, false},          {A::Redo, false, true, false, false},
    {A::ReadTrims, true, false, false, false},     {A::StoreTrims, true, false, false, false},
    {A::ResetTrims, true, false, false, false},    {A::SerialPort, false, true, false, false},
    {A::RunGroup, true, false, false, false},      {A::Stop, true, true, true, false},
    {A::EraseGroup, true, false, false, false},    {A::EraseAll, true, false, false, false},
    {A::Download, true, false, false, false},      {A::Add, false, true, false, false},
    {A::Delete, false, true, false, false},        {A::Update, false, true, false, false},
    {A::Insert, false, true, false, false},        {A::Copy, false, true, true, false},
    {A::PasteBefore, false, true, false, false},   {A::PasteAfter, false, true, false, false},
    {A::PasteOver, false, true, false, false},     {A::Loop, false, true, true, false},
    {A::RunOnline, true, true, true, false},       {A::Unload, true, false, false, false},
    {A::Music, false, true, true, false},          {A::MusicPlay, false, true, false, false},
    {A::MusicChoose, false, true, false, false},   {A::SnapToBeat, false, true, false, false},
    {A::ReadPositions, true, false, false, false}, {A::Record, true, false, false, false},
    {A::Open, false, true, false, false},          {A::Save, false, true, false, false},
    {A::Merge, false, true, false, false},         {A::SaveAs, false, true, false, false},
    {A::Ease, false, true, false, false},          {A::Mirror, false, true, false, false},
    {A::Reverse, false, true, false, false},
};

}  // namespace

const EditorActionRule& ruleOf(EditorAction action) {
  const auto* rule =
      std::find_if(std::begin(kRules), std::end(kRules),
                   [action](const EditorActionRule& r) { return r.action == action; });
  // Every action has a row; a missing one is a programming error caught by the tests.
  return rule != std::end(kRules) ? *rule : kRules[0];
}

std::optional<EditorRefusal> refusal(EditorAction action, const EditorState& state) {
  const EditorActionRule& rule = ruleOf(action);
  if (state.serialOpen && !rule.whileSerialOpen)
    return EditorRefusal{QT_TRID_NOOP("operation_fail")};
  if (!state.serialOpen && rule.needsBoard && !state.board)
    return EditorRefusal{QT_TRID_NOOP("connect_robot")};
  // The board takes one line at a time: the USB link first.
  if (action == A::SerialPort && state.board && !state.serialOpen) {
    return EditorRefusal{QT_TRID_NOOP("serial_usb_in_use")};
  }
  // During a run only what steers the run itself acts; the buttons say nothing.
  if (state.running && !rule.whileRunning) return EditorRefusal{""};
  if (action == A::Download && state.frames > limits::kMaxFramesPerGroup) {
    return EditorRefusal{QT_TRID_NOOP("actions_max_velmar_tips")};
  }
  if (state.recording && action != A::Record && action != A::Stop) {
    return EditorRefusal{QT_TRID_NOOP("recording_busy")};
  }
  if (state.downloading && !rule.whileDownloading) return EditorRefusal{QT_TRID_NOOP("progress")};
  return std::nullopt;
}
