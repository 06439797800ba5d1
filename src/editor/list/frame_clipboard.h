#pragma once

#include <QString>
#include <optional>

#include "model/action_model.h"

// Frames as spreadsheet text: one frame a line, its time and the positions of channels 1 to
// 6 separated by tabs, an absent channel as "-". Text read back goes through the rules of
// a cell edit, so a paste stores what typing the same values into the table would.
namespace KoTools {

struct FrameTextError {
  int line = 0;    // 1-based
  int column = 0;  // 1-based: 1 is the time, 2 to 7 channels 1 to 6
};

QString framesText(const VelmarFrames& frames);
// Nothing, with where it stopped, when any cell would be refused or a line has more cells
// than a frame; empty lines are skipped.
std::optional<VelmarFrames> framesFromText(const QString& text, FrameTextError* error);

}  // namespace KoTools
