#!/usr/bin/env python3
"""Teaches the arm by hand: lets the servos go limp, reads the pose you give them every so
often, then plays the poses back and saves them as an action file.

    python3 examples/teach_and_replay.py --usb --frames 8 --every-ms 1000 -o taught.rob

Reading positions needs the board on USB (a serial line only carries moves). On the virtual
board no hand turns the servos: --sim-fault reading:ID:VALUE stands in for one, servo ID
then reading VALUE, as if posed there:

    python3 examples/teach_and_replay.py --sim-fault reading:3:720 --sim-fault reading:5:300
"""
import argparse
import sys
import time

import vorn


def open_board(args):
    if args.usb:
        return vorn.Board.usb()
    return vorn.Board.simulate(faults=args.sim_fault, instant=args.instant)


def teach(board, count, every_ms, wait):
    """Reads `count` poses, `every_ms` apart; each becomes a frame that takes that long."""
    board.unload()
    frames = vorn.ActionFile()
    for n in range(1, count + 1):
        if wait:
            time.sleep(every_ms / 1000)
        # A servo that gave no answer stays absent from the frame: it will not be moved.
        pose = board.positions()
        frames.append(vorn.Frame(every_ms, pose))
        print(f"frame {n}: {' '.join('-' if p is None else str(p) for p in pose)}")
    return frames


def main():
    parser = argparse.ArgumentParser(description="Pose the arm by hand, then replay it.")
    parser.add_argument("--usb", action="store_true", help="the board on USB")
    parser.add_argument("--instant", action="store_true",
                        help="on the virtual board, no waiting: poses are read at once")
    parser.add_argument("--sim-fault", action="append", default=[], metavar="KIND",
                        help="on the virtual board: reading:ID:VALUE poses servo ID at VALUE")
    parser.add_argument("--frames", type=int, default=5, metavar="N", help="poses to read (5)")
    parser.add_argument("--every-ms", type=int, default=1000, metavar="MS",
                        help="time between readings, and each frame's time (1000)")
    parser.add_argument("-o", "--output", default="taught.rob",
                        help="the file to save: .rob, .json or .csv (taught.rob)")
    args = parser.parse_args()
    if not 1 <= args.frames <= 1020:
        parser.error("--frames must be 1 to 1020")
    if not 50 <= args.every_ms <= 30000:
        parser.error("--every-ms must be 50 to 30000")

    try:
        with open_board(args) as board:
            print(f"the servos are limp: pose the arm; reading every {args.every_ms} ms")
            frames = teach(board, args.frames, args.every_ms, wait=not args.instant)
            frames.write(args.output)
            print(f"saved {len(frames)} frames to {args.output}; playing them back")
            # The arm stands in the last pose: it goes to the first one slowly.
            board.play(frames, soft_start=True)
    except (vorn.Error, ValueError) as e:  # ValueError: a value the board does not take
        sys.exit(f"teach_and_replay.py: {e}")
    except KeyboardInterrupt:
        print("teach_and_replay.py: stopped", file=sys.stderr)
        sys.exit(130)


if __name__ == "__main__":
    main()
