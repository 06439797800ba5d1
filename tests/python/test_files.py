"""Frames and action files from Python: the files vornctl and the editor read, refused whole
when damaged, and the editor's motion craft."""
import os
import pathlib
import struct
import xml.etree.ElementTree as ET

import numpy
import pytest
import vorn

F = vorn.Frame
POSES = [F(400, (100, 200, None, 400, 500, 600)), F(1000, {1: 900, 6: 0}),
         F(50, (1000, 0, 500, 500, 500, 999)), F(30000, (0,) * 6)]


def rob(*records, header=b"SOBARM\x00\x00" + bytes(8)):
    return header + b"".join(struct.pack("<7H", *r) for r in records)


@pytest.mark.parametrize("name", ["a.rob", "a.json", "a.CSV", "a.anything"])
def test_a_file_written_reads_back_as_it_was(tmp_path, name):
    path = tmp_path / name
    vorn.ActionFile(POSES).write(path)
    back = vorn.ActionFile.read(path)
    assert back == vorn.ActionFile(POSES) and back.frames == POSES
    assert back.path == str(path)
    assert path.read_bytes().startswith(b"time" if name.endswith("CSV") else b"")
    if name.endswith((".rob", ".anything")):
        assert path.read_bytes()[:8] == b"SOBARM\x04\x00"
        assert path.read_bytes()[16 + 14:16 + 28] == struct.pack("<7H", 1000, 900, *[0x5555] * 4, 0)


@pytest.mark.parametrize("content, reason, position", [
    (b"", "header", 0),
    (b"SOBARM\x01", "header", 7),
    (rob((500, 500, 500, 500, 500, 500, 500), header=b"XOBARM" + bytes(10)), "header", 0),
    (rob((500,) * 7, (49, 500, 500, 500, 500, 500, 500)), "frame 2: time 49", 30),
    (rob((500,) * 7, (500, 1, 2, 1001, 4, 5, 6)), "frame 2, channel 3: position 1001", 36),
], ids=["empty", "half-header", "no-magic", "short-time", "position-over"])
def test_a_damaged_action_file_is_refused_where_it_goes_wrong(tmp_path, content, reason,
                                                               position):
    (tmp_path / "x.rob").write_bytes(content)
    with pytest.raises(vorn.FileError) as e:
        vorn.ActionFile.read(tmp_path / "x.rob")
    assert reason in e.value.reason and e.value.position == position
    assert e.value.path == str(tmp_path / "x.rob")


@pytest.mark.parametrize("name, content, position", [
    ("x.json", '{\n  "frames": [\n    {"time": 100, "ch1": 5}\n  ]\n}\n', 3),
    ("x.csv", "time,ch1,ch2,ch3,ch4,ch5,ch6\n100,1,2,3,4,5,6\n100,1,2,x,4,5,6\n", 3),
    ("x.csv", "time,ch1,ch2,ch3,ch4,ch5,ch6\n100,1,2,3,4,5,6\n100,1,2,3,4,5,1200\n", None),
    ("dir", None, None), ("missing.rob", "", None), ("huge.rob", 16 * 1024 * 1024 + 1, None),
], ids=["json-field", "csv-value", "csv-range", "folder", "missing", "huge"])
def test_an_unreadable_file_raises_file_error_not_a_crash(tmp_path, name, content, position):
    path = tmp_path / name
    if content is None:
        path.mkdir()
    elif isinstance(content, int):
        with open(path, "wb") as f:
            f.truncate(content)
    elif content:
        path.write_text(content)
    with pytest.raises(vorn.FileError) as e:
        vorn.reverse(str(path))
    assert e.value.reason and e.value.position == position


def test_a_record_cut_short_is_warned_of_and_the_whole_ones_read(tmp_path):
    (tmp_path / "x.rob").write_bytes(rob((500,) * 7) + b"\x01\x02\x03")
    with pytest.warns(UserWarning, match="3 bytes"):
        assert len(vorn.ActionFile.read(tmp_path / "x.rob")) == 1


def test_writing_more_frames_than_a_file_holds_is_refused(tmp_path):
    with pytest.raises(vorn.FileError, match="65535"):
        vorn.ActionFile([F()] * 65536).write(tmp_path / "x.rob")
    assert not (tmp_path / "x.rob").exists()


@pytest.mark.parametrize("args, error", [
    ((49,), ValueError), ((30001,), ValueError), ((True,), TypeError), ((100.0,), TypeError),
    ((100, (500,) * 5), ValueError), ((100, (500,) * 5 + (1001,)), ValueError),
    ((100, {7: 500}), ValueError), ((100, {1: -1}), ValueError), ((100, "500"), TypeError),
    ((100, 2 ** 70), TypeError), ((2 ** 70,), ValueError),
])
def test_a_frame_holds_only_what_a_file_can(args, error):
    with pytest.raises(error):
        F(*args)


def test_a_frame_is_a_value():
    f = F(700, {2: 300})
    assert f.positions == (None, 300, None, None, None, None) and f.time_ms == 700
    assert eval(repr(f), {"Frame": F}) == f and hash(f) == hash(F(700, [None, 300] + [None] * 4))
    assert F() == F(1000, (None,) * 6) != f


def test_an_action_file_behaves_as_a_list():
    model, file = list(POSES), vorn.ActionFile(POSES)
    edits = [lambda l: l.insert(-1, F(60)), lambda l: l.insert(99, F(70)),
             lambda l: l.insert(0, F(71)), lambda l: l.insert(-99, F(72)),
             lambda l: l.__delitem__(slice(1, 3)), lambda l: l.__setitem__(-1, F(80)),
             lambda l: l.__setitem__(slice(0, 1), [F(90), F(91)]), lambda l: l.extend(POSES),
             lambda l: l.__delitem__(slice(None, None, 3)), lambda l: l.append(F(95))]
    for edit in edits:
        edit(model)
        edit(file)
        assert list(file) == model and len(file) == len(model)
        assert file[-2] == model[-2] and file[::-2].frames == model[::-2]
        assert isinstance(file[1:], vorn.ActionFile)
    with pytest.raises(IndexError):
        file[len(model)]
    with pytest.raises(TypeError):
        file[0] = "frame"
    with pytest.raises(ValueError):
        file[::2] = [F()]
    with pytest.raises(TypeError):
        vorn.ActionFile([F(), 3])


def test_an_action_file_is_an_array_with_nan_for_absent_channels():
    a = numpy.asarray(vorn.ActionFile(POSES[:2]))
    assert a.shape == (2, 7) and a.dtype == float
    assert a[0, :3].tolist() == [400, 100, 200] and numpy.isnan(a[0, 3])
    assert numpy.isnan(a[1, 2:6]).all() and a[1, 6] == 0
    assert numpy.asarray(vorn.ActionFile()).shape == (0, 7)


def test_easing_keeps_the_poses_and_the_time_and_moves_only_forward():
    start, end = F(500, (100,) * 6), F(1000, (900, 100, None, 500, 500, 500))
    eased = vorn.ease([start, end], step_ms=100)
    assert len(eased) == 11 and sum(f.time_ms for f in eased) == 1500
    assert eased[0] == start and eased[-1].positions == end.positions
    steps = numpy.diff(numpy.asarray(eased)[:, 1])
    assert (steps > 0).all() and steps[0] < steps[4] and abs(steps[0] - steps[-1]) <= 1
    assert all(f.positions[2] is None for f in eased[1:])
    steps = numpy.diff(numpy.asarray(vorn.ease([start, end], "ease-in", step_ms=100))[:, 1])
    assert steps[-1] > 2 * steps[0]
    assert vorn.ease([start, end, start], rows=[1, 2], step_ms=100)[:2].frames == [start, end]
    with pytest.raises(ValueError, match="ease-in-out"):
        vorn.ease([start, end], "bounce")


def test_mirror_and_reverse_undo_themselves():
    frames = vorn.ActionFile(POSES)
    mirrored = vorn.mirror(frames)
    assert [f.positions[5] for f in mirrored] == [400, 1000, 1, 1000]
    assert [f.positions[:5] for f in mirrored] == [f.positions[:5] for f in POSES]
    assert vorn.mirror(vorn.mirror(frames, [1, 3]), (1, 3)) == frames
    assert vorn.mirror(frames, 2)[0].positions[1] == 800
    backwards = vorn.reverse(frames)
    assert [f.positions for f in backwards] == [f.positions for f in reversed(POSES)]
    assert [f.time_ms for f in backwards] == [400, 30000, 50, 1000]
    assert vorn.reverse(backwards) == frames


@pytest.mark.parametrize("value", [42, b"x.rob", ["x.rob"], None])
def test_only_frames_or_a_path_are_taken_for_frames(value):
    with pytest.raises(TypeError):
        vorn.reverse(value)


def test_the_curves_drawing_holds_an_absent_channel_where_it_was(tmp_path):
    frames = vorn.ActionFile(POSES + [F(100, (1,) * 6)])
    svg = ET.fromstring(frames._repr_svg_())
    lines = {l.get("class"): [p.split(",") for p in l.get("points").split()]
             for l in svg.findall("{http://www.w3.org/2000/svg}polyline")}
    assert len(lines) == 6 and len(lines["channel2"]) == 5 and len(lines["channel3"]) == 3
    assert lines["channel2"][1][1] == lines["channel2"][0][1] != lines["channel2"][2][1]
    frames.write(pathlib.Path(tmp_path, "x.csv"))
    assert os.fspath(frames.path).endswith("x.csv")
