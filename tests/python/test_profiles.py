"""Arm profiles from Python: vornctl's check as a verdict, and the tip put where it is asked."""
import json
import math
import xml.etree.ElementTree as ET

import pytest
import vorn

F = vorn.Frame
LINKS = {"column": 77, "upperArm": 119, "forearm": 105, "hand": 77}
JOINTS = {"base": 6, "shoulder": 5, "elbow": 4, "wrist": 3, "wrist_roll": 2, "gripper": 1}


def profile_file(tmp_path, name="Narrow", wrist=(100, 800)):
    angles = {"base": (-120, 120), "wrist_roll": (-120, 120), "gripper": (60, 0)}
    text = {
        "name": name, "links": LINKS, "columnRadius": 30,
        "joints": {j: {"channel": c, "at0": angles.get(j, (120, -120))[0],
                       "at1000": angles.get(j, (120, -120))[1]} for j, c in JOINTS.items()},
        "channels": [{"channel": c, "name": "", "lowest": wrist[0] if c == 3 else 0,
                      "highest": wrist[1] if c == 3 else 1000, "reversed": False}
                     for c in range(1, 7)]}
    path = tmp_path / "narrow.json"
    path.write_text(json.dumps(text))
    return path


def tip_of(positions):
    """The shipped arm's tip, from its joint table, apart from the module's own sums."""
    heading = math.radians(0.24 * (positions[5] - 500))
    forward, up, pitch = 0.0, LINKS["column"], 0.0
    for channel, link in ((5, "upperArm"), (4, "forearm"), (3, "hand")):
        pitch += math.radians(120 - 0.24 * positions[channel - 1])
        forward, up = forward + math.sin(pitch) * LINKS[link], up + math.cos(pitch) * LINKS[link]
    return forward * math.cos(heading), -forward * math.sin(heading), up


def test_profiles_come_shipped_by_name_and_from_a_file(tmp_path):
    shipped = vorn.Profile.shipped()
    assert [p.name for p in shipped] == ["Vorn arm"] and vorn.Profile.load("Vorn arm") == shipped[0]
    assert shipped[0].ranges == ((0, 1000),) * 6
    narrow = vorn.Profile.load(profile_file(tmp_path))
    assert narrow.name == "Narrow" and narrow.ranges[2] == (100, 800)
    with pytest.raises(ValueError, match='"Vorn arm"'):
        vorn.Profile.load("Nothing")
    (tmp_path / "bad.json").write_text('{"name": "x"}')
    with pytest.raises(vorn.FileError, match="links"):
        vorn.Profile.load(str(tmp_path / "bad.json"))
    with pytest.raises(vorn.FileError):
        vorn.Profile.load(tmp_path)


def test_a_position_outside_its_range_is_named_with_its_frame_and_range(tmp_path):
    narrow = vorn.Profile.load(profile_file(tmp_path))
    frames = vorn.ActionFile([F(500, (500,) * 6), F(500, (500, 500, 900, 500, 500, 500))])
    assert narrow.check(frames[:1]) and narrow.check(frames[:1]).message is None
    verdict = narrow.check(frames)
    assert not verdict and not verdict.ok
    assert (verdict.frame, verdict.channel, verdict.position) == (2, 3, 900)
    assert verdict.range == (100, 800) and verdict.strike is None
    assert "900" in verdict.message and "100 to 800" in verdict.message
    frames.write(tmp_path / "wave.rob")
    assert narrow.check(str(tmp_path / "wave.rob")).message.startswith("wave.rob, frame 2")
    with vorn.Board.simulate(instant=True) as board:
        board.profile = narrow
        with pytest.raises(vorn.Refused) as refused:
            board.download(tmp_path / "wave.rob", 1)
    assert str(refused.value) == narrow.check(tmp_path / "wave.rob").message


def test_a_pose_that_strikes_is_named_with_what_it_strikes():
    shipped = vorn.Profile.shipped()[0]
    verdict = shipped.check([F(500, (500,) * 6), F(500, (500, 500, 500, 500, 1000, 500))])
    assert (verdict.frame, verdict.channel, verdict.position, verdict.range) == (2, None, None, None)
    assert verdict.strike == "the ground" and "the ground" in verdict.message
    assert "frame 2" in verdict.message


@pytest.mark.parametrize("point, wrist", [
    ((150, 50, 100), "keep"), ((100, -120, 40), "keep"), ((100, -120, 40), "lock"),
    ((0, 180, 200), "keep"), ((0, 180, 200), "lock"), ((250, 0, 150), "lock")])
def test_the_tip_lands_on_a_point_within_reach(point, wrist):
    reach = vorn.Profile.shipped()[0].reach(*point, wrist=wrist, current=(500,) * 6)
    assert not reach.clamped
    assert math.dist(tip_of(reach.positions), point) < 1
    assert math.dist(reach.tip, point) < 1


@pytest.mark.parametrize("point", [(600, 0, 100), (-200, -10, 100), (0, 0, -300)])
def test_a_point_out_of_reach_is_clamped_to_the_nearest_the_arm_reaches(point):
    reach = vorn.Profile.shipped()[0].reach(*point)
    assert reach.clamped and math.dist(tip_of([500 if p is None else p
                                               for p in reach.positions]), reach.tip) < 1


@pytest.mark.parametrize("call", [lambda p: p.reach(math.nan, 0, 0),
                                  lambda p: p.reach(1, 0, 0, wrist="loose"),
                                  lambda p: p.reach(1, 0, 0, current=(500,) * 5)])
def test_bad_reach_arguments_are_value_errors(call):
    with pytest.raises(ValueError):
        call(vorn.Profile.shipped()[0])


def test_the_arm_drawing_is_well_formed_whatever_the_name(tmp_path):
    hostile = '</title><script>"&amp;\'</script>'
    svg = ET.fromstring(vorn.Profile.load(profile_file(tmp_path, hostile))._repr_svg_())
    assert svg.find("{http://www.w3.org/2000/svg}title").text == hostile
    assert len(svg.findall("{http://www.w3.org/2000/svg}circle")) == 5
