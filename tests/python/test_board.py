"""The board from Python, on the virtual board: what reaches it, and every failure as an
exception of its own."""
import os
import signal
import threading

import pytest
import vorn

MOVE, RUN, STOP, STORE_TRIMS = 0x03, 0x06, 0x07, 0x16


def frames(*poses, ms=100):
    return [vorn.Frame(ms, pose) for pose in poses]


@pytest.fixture
def board():
    with vorn.Board.simulate(instant=True) as b:
        yield b


def test_moves_and_readings_name_channels_as_the_caller_did(board):
    board.move({1: 700, 2: 300})
    board.move([100, None, None, None, None, 900], 0)
    assert board.positions() == (100, 300, 500, 500, 500, 900)
    assert board.positions([6, 1, 33]) == {6: 900, 1: 100, 33: None}
    board.set_trims([None, -20, None, None, None, 100])
    assert board.trims([2, 6]) == {2: -20, 6: 100}
    board.store_trims()
    assert len(board._simulated_frames(STORE_TRIMS)) == 1


def test_readings_follow_the_read_back_rule():
    faults = ["reading:1:1500", "reading:2:65000", "reading:3:640"]
    with vorn.Board.simulate(faults=faults, instant=True) as b:
        assert b.positions([1, 2, 3]) == {1: 1000, 2: 0, 3: 640}


@pytest.mark.parametrize("call, error", [
    (lambda b: b.move({1: 1001}), ValueError),
    (lambda b: b.move({254: 500}), ValueError),
    (lambda b: b.move([500] * 5), ValueError),
    (lambda b: b.move("500"), TypeError),
    (lambda b: b.move({1: 500.5}), TypeError),
    (lambda b: b.move({1: True}), TypeError),
    (lambda b: b.move({1: 500}, 30001), ValueError),
    (lambda b: b.positions(range(41)), ValueError),
    (lambda b: b.set_trims({1: 101}), ValueError),
    (lambda b: b.run(231), ValueError),
    (lambda b: b.run(1, times=0), ValueError),
    (lambda b: b.erase("some"), TypeError),
    (lambda b: b.download(frames([500] * 6), -1), ValueError),
    (lambda b: b.download(frames([500] * 6) * 1021, 1), ValueError),
    (lambda b: b.play(frames([500] * 6), soft_start=-1), ValueError),
    (lambda b: b.write_servo(), TypeError),
    (lambda b: b.write_servo(colour=1), TypeError),
    (lambda b: b.write_servo(min_angle=900, max_angle=100), ValueError),
    (lambda b: b.move_to(0, 0, 0), ValueError),
])
def test_bad_arguments_are_refused_before_anything_is_sent(board, call, error):
    with pytest.raises(error):
        call(board)
    assert not board._simulated_frames(MOVE)


def test_groups_are_downloaded_run_stopped_and_erased(board, tmp_path):
    told = []
    board.download(frames([100] * 6, [900] * 6, [None, 200, None, None, None, None]), 7,
                   progress=lambda done, total: told.append((done, total)))
    assert told == [(1, 3), (2, 3), (3, 3)]
    board.run(7, times=3)
    board.stop()
    board.erase(7)
    board.erase("all")
    (run,) = board._simulated_frames(RUN)
    assert (run[4], run[5] | run[6] << 8) == (7, 3)
    assert len(board._simulated_frames(STOP)) == 1


def test_an_error_in_progress_ends_the_download_with_it(board):
    def progress(done, total):
        raise RuntimeError("enough")

    with pytest.raises(RuntimeError, match="enough"):
        board.download(frames([100] * 6, [200] * 6), 1, progress=progress)


def test_play_sends_each_frame_once_and_ends_where_the_list_does(board):
    assert board.play(frames([100] * 6, [900, 800, 700, 600, 500, 400]), soft_start=True)
    first, second = board._simulated_frames(MOVE)
    # A soft start gives the first move the editor's second; the rest keep their time.
    assert (first[5] | first[6] << 8, second[5] | second[6] << 8) == (1000, 100)
    assert board.positions() == (900, 800, 700, 600, 500, 400)
    assert board.play([]) is True


def test_a_run_in_the_background_leaves_the_board_answering_and_stops_when_told():
    with vorn.Board.simulate(instant=True, timeout_ms=2000) as board:
        playing = board.play_async(frames([100] * 6, [900] * 6), loop=True)
        assert playing.running
        for _ in range(3000):  # each read answered while the run's moves go out
            board.positions([1])
        playing.stop()
        assert playing.wait() is False
        assert not playing.running and not board.playing


def test_ctrl_c_stops_the_arm_and_raises():
    # As in a terminal, even where the suite was started with SIGINT ignored.
    previous = signal.signal(signal.SIGINT, signal.default_int_handler)
    try:
        with vorn.Board.simulate(instant=True) as b:
            def interrupt():
                try:
                    while len(b._simulated_frames(MOVE)) < 5:
                        pass
                finally:
                    os.kill(os.getpid(), signal.SIGINT)

            threading.Thread(target=interrupt, daemon=True).start()
            with pytest.raises(KeyboardInterrupt):
                b.play(frames([100] * 6, [900] * 6), loop=True)
            assert not b.playing
            sent = b._simulated_frames(MOVE)
            b.positions()
            assert b._simulated_frames(MOVE) == sent
    finally:
        signal.signal(signal.SIGINT, previous)


@pytest.mark.parametrize("fault, call, error", [
    ("unplug-after:2", lambda b: b.play(frames([1] * 6, [2] * 6, [3] * 6)), vorn.BoardLost),
    ("unplug-after:1", lambda b: b.download(frames([1] * 6), 4), vorn.BoardLost),
    ("pull-after:0", lambda b: b.move({1: 100}), vorn.BoardLost),
    ("drop-ack:3", lambda b: b.download(frames([1] * 6), 4), vorn.NoAcknowledgement),
    ("no-reply:21", lambda b: b.positions(), vorn.NoAcknowledgement),
])
def test_faults_of_the_board_are_exceptions_of_their_own(fault, call, error):
    with vorn.Board.simulate(faults=[fault], instant=True, timeout_ms=1) as b:
        with pytest.raises(error):
            call(b)
    assert issubclass(error, vorn.Error)


def test_servo_parameters_need_exactly_one_servo_on_the_bus():
    with vorn.Board.simulate(servos=1, instant=True) as b:
        assert b.servo_count() == 1
        written = b.write_servo(id=5, min_voltage=6.5, led=False)
        assert (written["id"], written["min_voltage"], written["led"]) == (5, 6.5, False)
        assert b.read_servo()["id"] == 5
    for servos in (0, 2):
        with vorn.Board.simulate(servos=servos, instant=True) as b:
            with pytest.raises(vorn.Refused):
                b.read_servo()
            with pytest.raises(vorn.Refused):
                b.write_servo(id=3)


def test_a_profile_holds_moves_and_move_to_reaches_its_point(board):
    arm = vorn.Profile.shipped()[0]
    board.profile = arm
    strike = [500, 500, 500, 500, 1000, 500]
    with pytest.raises(vorn.Refused) as refused:
        board.move(strike)
    assert refused.value.strike == "the ground"
    with pytest.raises(vorn.Refused):
        board.download(frames([500] * 6, strike), 2)
    assert not board._simulated_frames(MOVE)
    assert board.move_to(150, 50, 100, 0) is False
    assert board.positions() == arm.reach(150, 50, 100, current=(500,) * 6).positions
    assert board.move_to(0, 0, 900, 0) is True
    board.profile = None
    board.move(strike)


def test_no_board_closed_board_and_unopenable_ports_say_so():
    with pytest.raises(vorn.NoBoard, match=r"Board\.simulate\(\)"):
        vorn.Board.usb(timeout_ms=1)
    with pytest.raises(vorn.NoBoard):
        vorn.Board.serial("/nonexistent/tty")
    b = vorn.Board.simulate()
    b.close()
    assert b.closed
    with pytest.raises(vorn.Error, match="closed"):
        b.positions()
