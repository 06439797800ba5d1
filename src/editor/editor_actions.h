#pragma once

#include <optional>

// Every action of the editor screen. A control's tag is its action's number, one number per
// action, so the tag of a button names what it does.
enum class EditorAction {
  SelectAll = 1003,
  ResetServos = 1004,
  Undo = 1005,
  Redo = 1006,
  ReadTrims = 2001,
  StoreTrims = 2002,
  ResetTrims = 2003,
  SerialPort = 3000,
  RunGroup = 4001,
  Stop = 4002,
  EraseGroup = 4003,
  EraseAll = 4004,
  Download = 4005,
  Add = 5002,
  Delete = 5003,
  Update = 5004,
  Insert = 5005,
  Ease = 5006,
  Mirror = 5007,
  Reverse = 5008,
  Copy = 6001,
  PasteBefore = 6002,
  PasteAfter = 6003,
  PasteOver = 6004,
  Loop = 7001,
  RunOnline = 7002,
  Music = 7003,
  MusicPlay = 7004,
  MusicChoose = 7005,
  SnapToBeat = 7006,
  Unload = 8001,
  ReadPositions = 8002,
  Record = 8003,
  Open = 9001,
  Save = 9002,
  Merge = 9003,
  SaveAs = 9004,
};

constexpr int tagOf(EditorAction a) { return static_cast<int>(a); }

// What the gate weighs when an action is asked for.
struct EditorState {
  bool board = false;       // the USB board is connected
  bool serialOpen = false;  // the serial port carries the moves
  bool running = false;     // an online run plays the list
  bool downloading = false;
  bool recording = false;
  int frames = 0;
};

// Per action: what it needs and what it may run beside.
struct EditorActionRule {
  EditorAction action;
  bool needsBoard;        // the USB board, unless the serial port is open and may carry it
  bool whileSerialOpen;   // the serial port open
  bool whileRunning;      // during an online run
  bool whileDownloading;  // during a download
};

// Why an action may not run now: the tip to show (empty: refused without a tip).
struct EditorRefusal {
  const char* tipKey;
};

// The gate: nothing when the action may run in `state`.
std::optional<EditorRefusal> refusal(EditorAction action, const EditorState& state);
const EditorActionRule& ruleOf(EditorAction action);
