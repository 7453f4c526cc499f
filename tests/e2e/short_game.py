"""A short game on the real window: the 1861 scenario chosen, the Confederacy
given to the computer, the movement speed set, the game saved, then
saved again under a start file's name (refused) and under its own (asked
first: no, then yes), one turn executed and watched with its notice answered,
the saved game loaded back and the game quit from its menu."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from answers import play_turn  # noqa: E402
from main_window import (DATE_PANEL, LAKE_MICHIGAN, NAME_PANEL, NAVY, START_VIEW,  # noqa: E402
                         answer_file_dialog, answer_replace_question, choose_from_menu, execute_ready,
                         quit_from_menu, set_speed_very_fast, title_bar, view_from)
from opening import choose_scenario, set_up  # noqa: E402
from xgame import Failure, Probe, play, wait_for  # noqa: E402

SAVE_NAME = "short"
def save_over_the_saved_game(run, saved):
    """The save dialog offers the name just saved under. A start file's name
    typed over it is refused with a message and the dialog comes back; the
    offered name then asks before it replaces the game: no leaves the file and
    brings the dialog back with the name, yes replaces it."""
    game = run.game
    run.begin("save over the saved game")
    first = os.stat(saved).st_ino
    choose_from_menu(run, "Game", 1)
    answer_file_dialog(run, "save dialog", "1861")
    refusal = game.wait_modal("MessageDialog")
    run.expect([title_bar(refusal, "start file refused")])
    game.key("Return")
    answer_file_dialog(run, "save dialog after the refusal", SAVE_NAME)
    answer_replace_question(run, replace=False)
    game.wait_modal("FileDialog")
    if os.stat(saved).st_ino != first:
        raise Failure("the saved game was replaced although the answer was no")
    answer_file_dialog(run, "save dialog after no")
    answer_replace_question(run, replace=True)
    game.wait_closed(0)
    if os.path.exists(os.path.join(run.folder, "1861.GMR")):
        raise Failure("a game was saved under the start file's name")
    wait_for(lambda: os.stat(saved).st_ino != first, 10, f"{saved} replaced after yes")


def short_game(run):
    game = run.game
    choose_scenario(run)
    set_up(run)

    run.begin("map")
    first_day = run.expect([Probe("map drawn: Lake Michigan by Chicago", 770, 60, LAKE_MICHIGAN),
                            Probe("name panel: the Union in play", *NAME_PANEL, NAVY),
                            execute_ready()])
    first_date = first_day.region(*DATE_PANEL)

    set_speed_very_fast(run)

    run.begin("save")
    choose_from_menu(run, "Game", 1)
    answer_file_dialog(run, "save", SAVE_NAME)
    game.wait_closed(0)
    saved = os.path.join(run.folder, SAVE_NAME + ".GMR")
    wait_for(lambda: os.path.exists(saved) and os.path.getsize(saved) > 0, 10, f"the saved game {saved}")
    save_over_the_saved_game(run, saved)

    run.begin("turn")
    if not play_turn(run, 60):
        raise Failure("the movement was never seen: the turn progress gauge stayed empty")
    if "MessageDialog" not in run.seen:
        raise Failure(f"no notice came up during the turn; dialogs answered: {run.seen}")
    run.expect_that("the date panel shows a later day after the turn",
                    lambda shot: shot.region(*DATE_PANEL) != first_date)

    run.begin("load")
    choose_from_menu(run, "Game", 0)
    answer_file_dialog(run, "load", SAVE_NAME + ".GMR")
    # A game saved on its first day comes back to its set-up, with its own choices.
    set_up(run, "set-up after the load", saved_game=True)
    run.expect_that("the date panel shows the saved day again after the load",
                    lambda shot: shot.region(*DATE_PANEL) == first_date)
    run.expect([Probe("name panel after the load: the Union in play", *NAME_PANEL, NAVY), execute_ready()])
    # The load keeps the view where the turn's movement left it: the map is
    # checked once the view is brought back to where the game began.
    view_from(game, START_VIEW)
    run.expect([Probe("map drawn after the load: Lake Michigan by Chicago", 770, 60, LAKE_MICHIGAN)])

    quit_from_menu(run)


if __name__ == "__main__":
    play("short_game", short_game)
