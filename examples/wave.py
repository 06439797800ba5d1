#!/usr/bin/env python3
"""Waves the arm: raises the hand, wags it from side to side, and puts it back.

Runs on the virtual board unless told otherwise:

    python3 examples/wave.py                      # the virtual board
    python3 examples/wave.py --usb --waves 5      # the arm on USB, five waves
    python3 examples/wave.py --serial /dev/ttyUSB0 --baud 115200

The positions suit the shipped profile's channels (1 gripper, 2 wrist roll, 3 wrist,
4 elbow, 5 shoulder, 6 base); all at 500 the arm stands straight up.
"""
import argparse
import sys

import vorn

RAISE = vorn.Frame(800, {4: 400, 5: 500, 6: 500})
# Only the wrist and the gripper move: the other channels stay where RAISE left them.
LEFT = vorn.Frame(400, {1: 300, 3: 300})
RIGHT = vorn.Frame(400, {1: 700, 3: 700})
REST = vorn.Frame(800, (500, 500, 500, 500, 500, 500))


def wave(waves):
    return vorn.ActionFile([RAISE] + [LEFT, RIGHT] * waves + [REST])


def open_board(args):
    if args.usb:
        return vorn.Board.usb()
    if args.serial:
        return vorn.Board.serial(args.serial, args.baud)
    return vorn.Board.simulate(faults=args.sim_fault, instant=args.instant)


def main():
    parser = argparse.ArgumentParser(description="Wave the arm.")
    where = parser.add_mutually_exclusive_group()
    where.add_argument("--usb", action="store_true", help="the board on USB")
    where.add_argument("--serial", metavar="PORT", help="the board over a serial port")
    parser.add_argument("--baud", type=int, default=9600, metavar="N",
                        help="the serial port's speed (9600)")
    parser.add_argument("--instant", action="store_true",
                        help="on the virtual board, moves take no time")
    parser.add_argument("--sim-fault", action="append", default=[], metavar="KIND",
                        help="make the virtual board misbehave, as vornctl's --sim-fault")
    parser.add_argument("--waves", type=int, default=3, metavar="N",
                        help="side to side how often (3)")
    parser.add_argument("--soft-start", action="store_true",
                        help="give the first move more time, for an arm far from the start")
    args = parser.parse_args()
    if args.waves < 1:
        parser.error("--waves must be 1 or more")

    frames = wave(args.waves)
    try:
        with open_board(args) as board:
            board.play(frames, soft_start=args.soft_start)
    except (vorn.Error, ValueError) as e:  # ValueError: a value the board does not take
        sys.exit(f"wave.py: {e}")
    except KeyboardInterrupt:
        # play() has stopped the arm already.
        print("wave.py: stopped", file=sys.stderr)
        sys.exit(130)
    print(f"waved {args.waves} times ({len(frames)} frames)")


if __name__ == "__main__":
    main()
