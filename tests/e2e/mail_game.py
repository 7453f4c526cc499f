"""A game by mail on the real window, played as two people at two machines
play it. The Union sets up the 1861 campaign by mail and saves, handing the
move over; the Confederacy loads the game, executes its turn and saves,
handing it back; the program is started afresh for the Union, which loads
the game sent to it and watches the Confederacy's turn played back."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from answers import play_turn  # noqa: E402
from main_window import (BLACK, EXECUTE_LETTER, GREY, NAME_PANEL, NAVY, PARCHMENT, PLAYBACK,  # noqa: E402
                         PLAYBACK_LETTER, PROGRESS_FOOT, WHITE, answer_file_dialog, answer_replace_question,
                         choose_from_menu, execute_closed, execute_ready, quit_from_menu)
from opening import choose_scenario  # noqa: E402
from xgame import Failure, Probe, play, wait_for  # noqa: E402

SAVE_NAME = "bymail"
# The top of the turn progress gauge, which fills only when the whole turn
# has been shown.
PROGRESS_TOP = (786, 30)
# The Confederate corps the Confederacy's first turn brings beside Jefferson
# City: there when the game arrives, back on its start hex while the turn is
# played back.
JEFFERSON_CITY_CORPS = (407, 370)
CORPS_BLUE = (28, 46, 112)
MISSOURI = (228, 216, 212)


def save_and_send(run, name_typed):
    """Saves the game, typing its name or taking the one proposed (the game
    loaded, which it agrees to replace), and agrees to send it to the opponent."""
    game = run.game
    choose_from_menu(run, "Game", 1)
    answer_file_dialog(run, "save", SAVE_NAME if name_typed else None)
    if not name_typed:
        replace = answer_replace_question(run, replace=True)
        wait_for(lambda: game.top_modal() is not replace, 10, "the replace question answered")
    question = game.wait_modal("TStndDial")
    run.expect([Probe("send question: parchment", *question.point(100, 120), PARCHMENT, 24)])
    game.click(*question.point(332, 153))
    game.wait_closed(0)
    saved = os.path.join(run.folder, SAVE_NAME + ".GMR")
    wait_for(lambda: os.path.exists(saved) and os.path.getsize(saved) > 0, 10, f"the saved game {saved}")
    # The map and the turn's battles travel with the game.
    for kind in ("GMP", "BTL"):
        path = os.path.join(run.folder, f"{SAVE_NAME}.{kind}")
        wait_for(lambda: os.path.exists(path), 10, f"the {kind} file sent")


def union_sets_up(run):
    game = run.game
    choose_scenario(run)
    run.begin("the Union sets up by mail")
    # The frame is drawn on the processor: an OpenGL driver would only cost
    # the start its loading and the game tens of megabytes.
    drivers = sorted(name for name in game.mapped_files() if "libGL" in name or "_dri.so" in name)
    if drivers:
        raise Failure(f"the game loaded an OpenGL driver it does not need: {drivers}")
    dialog = game.wait_modal("TSetUp")
    mail = dialog.point(20, 311)
    run.expect([Probe("set-up: mail not yet chosen", *mail, WHITE)])
    game.click(*mail)
    run.expect([Probe("set-up: mail chosen", *mail, BLACK)])
    game.click(*dialog.point(448, 350))
    game.wait_closed(0)
    run.expect([Probe("name panel: the Union gives orders", *NAME_PANEL, NAVY),
                Probe("Execute closed: the first player only gives orders", *EXECUTE_LETTER, GREY)])
    save_and_send(run, True)


def confederacy_plays(run):
    game = run.game
    run.begin("the Confederacy's turn")
    choose_from_menu(run, "Game", 0)
    answer_file_dialog(run, "load", SAVE_NAME + ".GMR")
    run.expect([Probe("name panel: the Confederacy gives orders", *NAME_PANEL, GREY),
                execute_ready(), Probe("Playback closed", *PLAYBACK_LETTER, GREY)])
    # The turn is over when the game, ready to be sent, closes Execute.
    if not play_turn(run, 60, execute_closed()):
        raise Failure("the movement was never seen: the turn progress gauge stayed empty")
    # The save proposes the name of the game loaded.
    save_and_send(run, False)
    quit_from_menu(run)


def union_watches(run):
    game = run.launch()
    choose_scenario(run, "saved game")
    run.begin("the Union receives the game")
    answer_file_dialog(run, "load", SAVE_NAME + ".GMR")
    game.wait_modal("MessageDialog")
    game.key("Return")
    game.wait_closed(0)
    run.expect([Probe("Playback open", *PLAYBACK_LETTER, BLACK),
                Probe("Execute closed until the turn is watched", *EXECUTE_LETTER, GREY),
                Probe("the corps where the turn left it", *JEFFERSON_CITY_CORPS, CORPS_BLUE)])

    run.begin("playback")
    game.click(*PLAYBACK)
    run.expect([Probe("progress gauge filling", *PROGRESS_FOOT, NAVY),
                Probe("the corps back where the turn began", *JEFFERSON_CITY_CORPS, MISSOURI)])
    run.expect([Probe("Execute open once the turn is watched", *EXECUTE_LETTER, BLACK),
                Probe("Playback closed once used", *PLAYBACK_LETTER, GREY),
                Probe("progress gauge full", *PROGRESS_TOP, NAVY),
                Probe("the corps where the turn left it again", *JEFFERSON_CITY_CORPS, CORPS_BLUE),
                Probe("name panel: the Union gives orders", *NAME_PANEL, NAVY)], 40)
    quit_from_menu(run)


def mail_game(run):
    union_sets_up(run)
    confederacy_plays(run)
    union_watches(run)


if __name__ == "__main__":
    play("mail_game", mail_game)
