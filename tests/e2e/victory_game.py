"""The end of a war on the real window: a game of the 1863 campaign, played by
the computer on both sides up to its last turn by the campaign tool, is
loaded; its last turn is executed at the fastest speed; the summary of the war
comes up, is checked and answered with the end of the game, and the game is
quit from its menu."""

import glob
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from answers import play_turn  # noqa: E402
from main_window import (DATE_PANEL, PARCHMENT, SILVER, answer_file_dialog, execute_closed,  # noqa: E402
                         execute_ready, quit_from_menu, set_speed_very_fast)
from opening import choose_scenario  # noqa: E402
from xgame import Failure, Probe, play  # noqa: E402

# The campaign ends with the turn of December 1, 1864: the game is saved on
# the turn before.
LAST_TURN = 55
SAVE_NAME = "late1864"
# Where the summary writes the territorial verdict, in its client area.
VERDICT_ROW = (150, 176, 263, 16)
CONTINUE_FACE = (106, 270)
END_GAME_FACE = (232, 270)
END_GAME = (273, 278)


def campaign_up_to_last_turn(run, campaign_report):
    """The campaign tool plays the computer against itself and saves the game
    before the last turn into the run's folder."""
    saves = os.path.join(run.folder, "saves")
    game_dir = os.path.dirname(os.path.abspath(run.program))
    played = subprocess.run(
        [campaign_report, "--start", "1863", "--seed", "1", "--turns", str(LAST_TURN - 1),
         "--csv", os.path.join(run.folder, "campaign.csv"), "--saves", saves,
         "--every", str(LAST_TURN - 1), "--game-dir", game_dir],
        capture_output=True, text=True, timeout=120)
    files = glob.glob(os.path.join(saves, f"turn{LAST_TURN - 1}-*"))
    if played.returncode != 0 or len(files) < 2:
        raise Failure(f"the campaign tool saved no game ({played.returncode}): {played.stderr.strip()}")
    for path in files:
        shutil.copy(path, os.path.join(run.folder, SAVE_NAME + os.path.splitext(path)[1]))


def load_saved_game(run):
    game = run.game
    choose_scenario(run, "saved game")
    answer_file_dialog(run, "load", SAVE_NAME + ".GMR")
    game.wait_closed(0)


def judge_summary(run):
    """Checks the summary of the war and ends the game from it."""
    def answer(game, summary):
        written = lambda colour: max(colour) < 80  # noqa: E731
        run.expect([Probe("summary: parchment", *summary.point(30, 250), PARCHMENT, 16),
                    Probe("summary: Continue button", *summary.point(*CONTINUE_FACE), SILVER),
                    Probe("summary: End Game button", *summary.point(*END_GAME_FACE), SILVER)])
        run.expect_that("the summary writes its territorial verdict",
                        lambda shot: any(map(written, shot.region(*summary.point(*VERDICT_ROW[:2]),
                                                                  *VERDICT_ROW[2:]))))
        run.keep(game.shot(), "summary")
        game.click(*summary.point(*END_GAME))
    return answer


def victory_game(run, campaign_report):
    game = run.game
    run.begin("a game saved before the campaign's last turn")
    campaign_up_to_last_turn(run, campaign_report)
    load_saved_game(run)
    before = run.expect([execute_ready()]).region(*DATE_PANEL)
    set_speed_very_fast(run)

    run.begin("the last turn")
    play_turn(run, 150, execute_closed(), {"TVictory": judge_summary(run)})
    if "TVictory" not in run.seen:
        raise Failure(f"the summary of the war never came up; dialogs answered: {run.seen}")
    run.expect_that("the date panel shows the last day after the turn",
                    lambda shot: shot.region(*DATE_PANEL) != before)

    quit_from_menu(run)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(f"usage: {sys.argv[0]} path/to/graymarch path/to/campaign_report")
    # The game is the only argument the run itself reads.
    campaign_report = sys.argv.pop()
    play("victory_game", lambda run: victory_game(run, campaign_report))
