#pragma once

class KoFrameListModel;
class KoFrameMarks;

namespace KoTools {

// Asks before the list goes to the arm when a frame would strike, naming the first one by
// its number and what it would strike; Cancel is the answer Enter gives. True when nothing
// would strike or the user goes on.
bool confirmSending(const KoFrameMarks& marks, const KoFrameListModel& model,
                    const char* questionKey);

}  // namespace KoTools
