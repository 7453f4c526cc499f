"""A short game on the real window: the 1861 scenario chosen, the Confederacy
given to the computer, the movement speed set, the game saved, one turn
executed and watched with its notice answered, the saved game loaded back and
the game quit from its menu."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from answers import play_turn  # noqa: E402
from main_window import (BLACK, DATE_PANEL, DELAY_BUTTON, LAKE_MICHIGAN, NAME_PANEL, NAVY,  # noqa: E402
                         PARCHMENT, SILVER, WHITE, choose_from_menu, execute_ready, quit_from_menu, title_bar)
from xgame import Failure, Probe, play, wait_for  # noqa: E402

SAVE_NAME = "short"


def choose_scenario(run):
    game = run.game
    run.begin("scenario choice")
    dialog = game.wait_modal("Intro_Load")
    run.expect([title_bar(dialog, "scenario dialog"),
                Probe("scenario dialog: silver face", *dialog.point(4, 120), SILVER),
                Probe("scenario dialog: 1861 not yet chosen", *dialog.point(22, 27), WHITE)])
    game.click(*dialog.point(60, 27))
    run.expect([Probe("scenario dialog: 1861 chosen", *dialog.point(22, 27), BLACK)])
    game.click(*dialog.point(118, 111))


def set_up(run, stage="set-up", saved_game=False):
    """A new game starts with both sides human and gives the Confederacy to the
    computer; the saved game comes back with the Confederacy still the computer's."""
    game = run.game
    run.begin(stage)
    dialog = game.wait_modal("TSetUp")
    human, computer = dialog.point(20, 94), dialog.point(20, 109)
    run.expect([Probe("set-up: parchment", *dialog.point(200, 300), PARCHMENT, 16)])
    if not saved_game:
        run.expect([Probe("set-up: Confederacy human at first", *human, BLACK)])
        game.click(*computer)
    run.expect([Probe("set-up: Confederacy computer", *computer, BLACK),
                Probe("set-up: Confederacy not human", *human, WHITE)])
    game.click(*dialog.point(448, 350))
    game.wait_closed(0)


def short_game(run):
    game = run.game
    choose_scenario(run)
    set_up(run)

    run.begin("map")
    first_day = run.expect([Probe("map drawn: Lake Michigan by Chicago", 770, 60, LAKE_MICHIGAN),
                            Probe("name panel: the Union in play", *NAME_PANEL, NAVY),
                            execute_ready()])
    first_date = first_day.region(*DATE_PANEL)

    run.begin("movement speed")
    game.click(*DELAY_BUTTON)
    dialog = game.wait_modal("DelayForm")
    run.expect([Probe("speed dialog: Very Fast button face", *dialog.point(8, 10), SILVER)])
    game.click(*dialog.point(dialog.width // 2, 10))
    game.wait_closed(0)

    run.begin("save")
    choose_from_menu(run, "Game", 1)
    dialog = game.wait_modal("FileDialog")
    run.expect([title_bar(dialog, "save dialog")])
    game.type(SAVE_NAME)
    game.key("Return")
    game.wait_closed(0)
    saved = os.path.join(run.folder, SAVE_NAME + ".GMR")
    wait_for(lambda: os.path.exists(saved) and os.path.getsize(saved) > 0, 10, f"the saved game {saved}")

    run.begin("turn")
    if not play_turn(run, 60):
        raise Failure("the movement was never seen: the turn progress gauge stayed empty")
    if "MessageDialog" not in run.seen:
        raise Failure(f"no notice came up during the turn; dialogs answered: {run.seen}")
    run.expect_that("the date panel shows a later day after the turn",
                    lambda shot: shot.region(*DATE_PANEL) != first_date)

    run.begin("load")
    choose_from_menu(run, "Game", 0)
    dialog = game.wait_modal("FileDialog")
    run.expect([title_bar(dialog, "load dialog")])
    game.type(SAVE_NAME + ".GMR")
    game.key("Return")
    # A game saved on its first day comes back to its set-up, with its own choices.
    set_up(run, "set-up after the load", saved_game=True)
    run.expect_that("the date panel shows the saved day again after the load",
                    lambda shot: shot.region(*DATE_PANEL) == first_date)
    run.expect([Probe("map drawn after the load: Lake Michigan", 770, 60, LAKE_MICHIGAN)])

    run.begin("quit")
    quit_from_menu(run)


if __name__ == "__main__":
    play("short_game", short_game)
