"""A game by mail, both sides played on this machine: the Union sets the
game up and hands it over, the Confederacy loads it, executes the turn and
hands it back, and the Union loads it, watches the replay of the turn and may
give orders again; then the game is quit."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from answers import play_turn  # noqa: E402
from main_window import (BLACK, EXECUTE_LETTER, GREY, NAME_PANEL, NAVY, PARCHMENT,  # noqa: E402
                         PLAYBACK, PLAYBACK_LETTER, PROGRESS_FOOT, WHITE, choose_from_menu,
                         enter_file_name, execute_ready, quit_game, set_speed_very_fast, title_bar)
from opening import choose_scenario  # noqa: E402
from xgame import Failure, Probe, play, wait_for  # noqa: E402

MAIL = (20, 311)
# The top of the turn progress gauge, reached once a whole turn has been shown.
PROGRESS_TOP = (786, 40)


def set_up_by_mail(run):
    game = run.game
    run.begin("set-up for play by mail")
    dialog = game.wait_modal("TSetUp")
    run.expect([Probe("set-up: not yet by mail", *dialog.point(*MAIL), WHITE)])
    game.click(*dialog.point(*MAIL))
    run.expect([Probe("set-up: by mail", *dialog.point(*MAIL), BLACK)])
    game.click(*dialog.point(448, 350))
    game.wait_closed(0)


def hand_over(run, name):
    """Saves the game under `name` and sends it to the other side."""
    game = run.game
    choose_from_menu(run, "Game", 1)
    game.wait_modal("FileDialog")
    enter_file_name(game, name)
    question = game.wait_modal("TStndDial")
    run.expect([Probe("hand-over question: parchment", *question.point(100, 120), PARCHMENT, 24)])
    game.click(*question.point(332, 153))
    game.wait_closed(0)
    for kind in ("GMR", "BTL"):
        path = os.path.join(run.folder, f"{name}.{kind}")
        wait_for(lambda: os.path.exists(path), 10, f"the {kind} file of the game sent")


def receive(run, name):
    game = run.game
    choose_from_menu(run, "Game", 0)
    game.wait_modal("FileDialog")
    enter_file_name(game, name + ".GMR")


def mail_game(run):
    game = run.game
    choose_scenario(run)
    set_up_by_mail(run)

    run.begin("the Union hands the game over")
    run.expect([Probe("name panel: the Union in play", *NAME_PANEL, NAVY),
                Probe("mail: Execute waits for the other side", *EXECUTE_LETTER, GREY)])
    hand_over(run, "union")

    run.begin("the Confederacy takes its turn")
    receive(run, "union")
    game.wait_closed(0)
    run.expect([Probe("name panel: the Confederacy in play", *NAME_PANEL, GREY), execute_ready()])
    set_speed_very_fast(run)
    if not play_turn(run, 60, finished=Probe("turn: progress gauge empty again", *PROGRESS_FOOT, GREY)):
        raise Failure("the movement was never seen: the turn progress gauge stayed empty")
    if "MessageDialog" not in run.seen:
        raise Failure("the Confederacy was never told to send the turn")
    run.expect([Probe("mail: Execute waits for the other side", *EXECUTE_LETTER, GREY)])
    hand_over(run, "confederacy")

    run.begin("the Union watches the replay")
    receive(run, "confederacy")
    notice = game.wait_modal("MessageDialog")
    run.expect([title_bar(notice, "mail turn received")])
    game.key("Return")
    game.wait_closed(0)
    run.expect([Probe("mail: Playback offered", *PLAYBACK_LETTER, BLACK),
                Probe("mail: Execute waits for the replay", *EXECUTE_LETTER, GREY)])
    play_turn(run, 60, button=PLAYBACK)
    run.expect([Probe("replay: the whole turn shown on the progress gauge", *PROGRESS_TOP, NAVY),
                Probe("replay: Playback used", *PLAYBACK_LETTER, GREY),
                Probe("name panel: the Union in play again", *NAME_PANEL, NAVY)])
    quit_game(run)


if __name__ == "__main__":
    play("mail_game", mail_game)
