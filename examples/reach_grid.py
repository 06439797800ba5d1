#!/usr/bin/env python3
"""Reaches a grid of points with the gripper's tip, as an arm profile works them out, and
saves the frames as an action file. Points out of reach, and poses the profile refuses (a
position outside a channel's safe range, a joint or the tip below the ground or in the base's
column), are skipped and told.

    python3 examples/reach_grid.py -o grid.json
    python3 examples/reach_grid.py --usb --profile "My arm" --x 150 200 --y -50 50 --z 40
    python3 examples/reach_grid.py --profile my-arm.json -o grid.csv

Points are in mm: x forward (where the base's middle position points), y to the left, z up
from the ground under the base's axis.
"""
import argparse
import itertools
import sys

import vorn

# Each point is solved from this pose of the shipped arm, the hand pointing down, as if
# reaching over a table: from the arm standing straight up the hand would keep pointing up,
# and the wrist strike the table first.
READY = (None, None, 312, 125, 312, 500)


def open_board(args):
    if args.usb:
        return vorn.Board.usb()
    if args.serial:
        return vorn.Board.serial(args.serial, args.baud)
    return vorn.Board.simulate(faults=args.sim_fault, instant=args.instant)


def plan(profile, points, ms, wrist):
    """A frame for each point the arm can reach and the profile allows, and (point, why) for
    each other one."""
    frames, skipped = vorn.ActionFile(), []
    for point in points:
        reach = profile.reach(*point, wrist=wrist, current=READY)
        if reach.clamped:
            nearest = ", ".join(str(round(v)) for v in reach.tip)
            skipped.append((point, f"out of reach (the nearest point is {nearest})"))
            continue
        frame = vorn.Frame(ms, reach.positions)
        verdict = profile.check([frame])
        if verdict:
            frames.append(frame)
        else:
            skipped.append((point, f"would strike {verdict.strike}" if verdict.strike
                            else verdict.message))
    return frames, skipped


def main():
    parser = argparse.ArgumentParser(description="Reach a grid of points with the arm.")
    where = parser.add_mutually_exclusive_group()
    where.add_argument("--usb", action="store_true", help="the board on USB")
    where.add_argument("--serial", metavar="PORT", help="the board over a serial port")
    parser.add_argument("--baud", type=int, default=9600, metavar="N",
                        help="the serial port's speed (9600)")
    parser.add_argument("--instant", action="store_true",
                        help="on the virtual board, moves take no time")
    parser.add_argument("--sim-fault", action="append", default=[], metavar="KIND",
                        help="make the virtual board misbehave, as vornctl's --sim-fault")
    parser.add_argument("--profile", metavar="NAME",
                        help="an arm profile's name, or a .json profile (the shipped one)")
    parser.add_argument("--x", type=float, nargs="+", default=[100, 200, 300], metavar="MM",
                        help="forward (100 200 300)")
    parser.add_argument("--y", type=float, nargs="+", default=[-60, 0, 60], metavar="MM",
                        help="to the left (-60 0 60)")
    parser.add_argument("--z", type=float, nargs="+", default=[0, 50, 100], metavar="MM",
                        help="up from the ground (0 50 100)")
    parser.add_argument("--wrist", choices=["keep", "lock"], default="keep",
                        help="keep the hand's angle to the ground, or the wrist joint's")
    parser.add_argument("--ms", type=int, default=600, help="each move's time (600)")
    parser.add_argument("-o", "--output", default="grid.rob",
                        help="the file to save: .rob, .json or .csv (grid.rob)")
    args = parser.parse_args()
    if not 50 <= args.ms <= 30000:
        parser.error("--ms must be 50 to 30000")

    try:
        profile = vorn.Profile.load(args.profile) if args.profile else vorn.Profile.shipped()[0]
    except (vorn.Error, ValueError) as e:  # no profile of that name, or a file that is none
        sys.exit(f"reach_grid.py: {e}")
    try:
        points = list(itertools.product(args.x, args.y, args.z))
        frames, skipped = plan(profile, points, args.ms, args.wrist)
        for (x, y, z), why in skipped:
            print(f"skipped ({x:g}, {y:g}, {z:g}): {why}")
        print(f"reaching {len(frames)} of {len(points)} points under \"{profile.name}\"")
        frames.write(args.output)
        print(f"saved {len(frames)} frames to {args.output}")
        if frames:
            with open_board(args) as board:
                board.profile = profile
                board.play(frames, soft_start=True)
    except (vorn.Error, ValueError) as e:  # ValueError: a value the board does not take
        sys.exit(f"reach_grid.py: {e}")
    except KeyboardInterrupt:
        print("reach_grid.py: stopped", file=sys.stderr)
        sys.exit(130)


if __name__ == "__main__":
    main()
