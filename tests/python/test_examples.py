"""The example scripts and the tutorial's code, run as a user runs them."""
import os
import re
import subprocess
import sys

import pytest
import vorn

ROOT = os.path.join(os.path.dirname(__file__), "..", "..")


def python(*args, cwd):
    return subprocess.run([sys.executable, *map(str, args)], cwd=cwd, capture_output=True,
                          text=True, timeout=60,
                          env=dict(os.environ, PYTHONPATH=os.path.dirname(vorn.__file__)))


def run(script, *args, cwd):
    return python(os.path.join(ROOT, "examples", script), "--instant", *args, cwd=cwd)


def test_wave_sends_each_wave_and_fails_in_one_line(tmp_path):
    # Two waves are six frames: a board that goes after five loses the last one.
    ok = run("wave.py", "--waves", 2, "--sim-fault", "unplug-after:6", cwd=tmp_path)
    assert ok.returncode == 0, ok.stderr
    assert "6 frames" in ok.stdout
    lost = run("wave.py", "--waves", 2, "--sim-fault", "unplug-after:5", cwd=tmp_path)
    [message] = lost.stderr.splitlines()
    assert lost.returncode == 1 and message.startswith("wave.py: ")


@pytest.mark.parametrize("name", ["taught.rob", "taught.json", "taught.csv"])
def test_teach_saves_the_poses_given_by_hand(tmp_path, name):
    out = tmp_path / name
    done = run("teach_and_replay.py", "--sim-fault", "reading:3:720", "--sim-fault",
               "reading:5:300", "--frames", 3, "--every-ms", 250, "-o", out, cwd=tmp_path)
    assert done.returncode == 0, done.stderr
    taught = vorn.ActionFile.read(out)
    assert [f.time_ms for f in taught] == [250] * 3
    assert {f.positions for f in taught} == {(500, 500, 720, 500, 300, 500)}


@pytest.mark.parametrize("name", ["grid.rob", "grid.json", "grid.csv"])
def test_reach_grid_saves_what_the_profile_allows(tmp_path, name):
    out = tmp_path / name
    done = run("reach_grid.py", "--x", 20, 180, 900, "--y", 0, "--z", -30, 30, 60, "--ms", 700,
               "-o", out, cwd=tmp_path)
    assert done.returncode == 0, done.stderr
    skipped = dict(re.findall(r"skipped \((.*?)\): (.*)", done.stdout))
    assert sorted(skipped) == ["180, 0, -30", "20, 0, -30", "20, 0, 30", "20, 0, 60",
                               "900, 0, -30", "900, 0, 30", "900, 0, 60"]
    assert skipped["180, 0, -30"] == "would strike the ground"
    assert skipped["20, 0, 30"] == "would strike the base's column"
    assert skipped["900, 0, 60"].startswith("out of reach (the nearest point is 301, 0, ")
    saved = vorn.ActionFile.read(out)
    assert [f.time_ms for f in saved] == [700, 700]
    assert vorn.Profile.shipped()[0].check(saved)
    assert saved[0] != saved[1]


# Checks a printed line against the output its comment shows, "..." standing for any text.
SHOWS = """
import re
def _shows(expected, *values):
    printed = " ".join(map(str, values))
    print(printed)
    pattern = ".*".join(map(re.escape, expected.split("...")))
    assert re.fullmatch(pattern, printed), f"the tutorial shows {expected!r}, not {printed!r}"
"""


def test_the_tutorial_runs_and_prints_what_it_shows(tmp_path):
    with open(os.path.join(ROOT, "docs", "python.md"), encoding="utf-8") as f:
        code = "".join(re.findall(r"```python\n(.*?)```", f.read(), re.S))
    code = re.sub(r"^( *)print\((.*)\) +# (.*)$", r'\1_shows(r"""\3""", \2)', code, flags=re.M)
    assert code.count("_shows(") > 20
    (tmp_path / "tutorial.py").write_text(SHOWS + code)
    done = python("tutorial.py", cwd=tmp_path)
    assert done.returncode == 0, done.stderr
