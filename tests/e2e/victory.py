"""The end of a campaign: the 1863 start with its end date brought forward to
its own month, loaded as a saved game, set up and played for one turn, after
which the victory summary offers to continue or to end the game; the game is
ended, then quit."""

import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from answers import answer_until  # noqa: E402
from main_window import (EXECUTE, EXECUTE_LETTER, GREY, SILVER, enter_file_name,  # noqa: E402
                         quit_game, set_speed_very_fast)
from opening import choose_scenario, set_up  # noqa: E402
from xgame import Failure, Probe, play  # noqa: E402

GAME_FILE_SIZE = 41356
# Offsets in the game file of the date's month and year and of the end's.
DATE_AT = 2
END_AT = 98
SAVE_NAME = "last_turn"


def write_last_turn(run):
    """The 1863 start, ending in the month it begins: its first turn is its last."""
    folder = os.path.dirname(os.path.abspath(sys.argv[1]))
    with open(os.path.join(folder, "1863.gmr"), "rb") as start:
        game = bytearray(start.read())
    if len(game) != GAME_FILE_SIZE:
        raise Failure(f"1863.gmr holds {len(game)} bytes, not {GAME_FILE_SIZE}")
    month, year = struct.unpack_from("<HH", game, DATE_AT)
    struct.pack_into("<hh", game, END_AT, month, year)
    with open(os.path.join(run.folder, SAVE_NAME + ".GMR"), "wb") as saved:
        saved.write(game)
    with open(os.path.join(folder, "1863.GMP"), "rb") as start_map, \
            open(os.path.join(run.folder, SAVE_NAME + ".GMP"), "wb") as saved_map:
        saved_map.write(start_map.read())


def victory(run):
    game = run.game
    write_last_turn(run)
    choose_scenario(run, "saved game")
    run.begin("the last turn loaded")
    game.wait_modal("FileDialog")
    enter_file_name(game, SAVE_NAME + ".GMR")
    set_up(run)
    set_speed_very_fast(run)

    run.begin("the last turn played")
    game.click(*EXECUTE)
    summary = answer_until(run, "TVictory", 90)
    run.begin("victory summary")
    run.expect([Probe("victory summary: Continue button face", *summary.point(110, 269), SILVER, 16),
                Probe("victory summary: End Game button face", *summary.point(236, 269), SILVER, 16)])
    game.click(*summary.point(273, 278))
    game.wait_closed(0)
    run.expect([Probe("game over: Execute no longer offered", *EXECUTE_LETTER, GREY)])
    quit_game(run)


if __name__ == "__main__":
    play("victory", victory)
