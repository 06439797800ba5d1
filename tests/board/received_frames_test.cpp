#include <gtest/gtest.h>

#include "board/virtual_board.h"
#include "link/protocol.h"
#include "model/move_frame.h"

namespace {

// A move told apart from the others by its time: 50 ms and up.
QByteArray move(int n) { return frame::multiServoMove(50 + n, {{1, 500}}); }
int moveNumber(const QByteArray& f) { return frame::le16(f, 5) - 50; }

QList<int> numbers(const VirtualBoard& board) {
  QList<int> out;
  for (const VirtualBoard::ReceivedFrame& r : board.received()) out.append(moveNumber(r.bytes));
  return out;
}

QList<int> range(int from, int count) {
  QList<int> out;
  for (int i = 0; i < count; ++i) out.append(from + i);
  return out;
}

// A looped run sends frames for as long as the program is left on: the board keeps only the
// latest, in order, by default all of a whole group's download. A caller that looks further
// back asks for more; asking for less drops the oldest at once.
TEST(VirtualBoardReceived, KeepsOnlyTheLatestFramesInOrder) {
  constexpr int kDefault = VirtualBoard::kReceivedKept;
  constexpr int kDownloadFrames = 1020 + 4;  // steps 1 to 3, a step 4 per frame, step 5
  const std::tuple<const char*, std::optional<int>, int, QList<int>> cases[] = {
      {"a looped run", {}, 5 * kDefault + 3, range(4 * kDefault + 3, kDefault)},
      {"a whole group's download", {}, kDownloadFrames, range(0, kDownloadFrames)},
      {"more than the default", 3000, 2500, range(0, 2500)},
      {"fewer, after they came", 4, 10, range(6, 4)},
      {"fewer, before they came", 4, 2, range(0, 2)},
      {"none asked: the last is kept", 0, 3, {2}},
      {"below none", -5, 3, {2}}};
  for (const auto& [name, kept, sent, expected] : cases) {
    SCOPED_TRACE(name);
    VirtualBoard board;
    if (kept) board.setReceivedKept(std::max(*kept, 3000));
    for (int n = 0; n < sent; ++n) board.receive(move(n));
    if (kept) board.setReceivedKept(*kept);
    EXPECT_EQ(numbers(board), expected);
    board.receive(move(sent));
    EXPECT_EQ(numbers(board).size(), std::min<qsizetype>(board.receivedKept(), sent + 1));
    EXPECT_EQ(numbers(board).last(), sent);
  }
  VirtualBoard board;
  for (int n = 0; n < 2 * kDefault; ++n) board.receive(move(n));
  EXPECT_EQ(board.receivedWith(protocol::kMultiServoMove).size(), kDefault);
  EXPECT_EQ(board.targetPosition(1), 500) << "every frame is still handled";
}

}  // namespace
