"""Where things are in the game's 800 x 600 frame and what colour they show:
the main window's menus, buttons and panels, and the dialogs' common marks."""

from xgame import Failure, Probe

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
NAVY = (0, 0, 128)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
PARCHMENT = (236, 224, 192)
LAKE_MICHIGAN = (176, 200, 199)

# The menu bar's titles, and the pitch of the rows of an open menu.
MENUS = {"Game": (22, 9), "Settings": (70, 9), "National": (123, 9), "Overviews": (183, 9),
         "Build Forces": (254, 9), "Status": (314, 9)}
MENU_ROW_PITCH = 19

EXECUTE = (42, 538)
# A pixel of the E of the Execute button's caption: black while the button
# works, grey while a turn runs.
EXECUTE_LETTER = (24, 538)
PLAYBACK = (122, 538)
# A pixel of the P of the Playback button's caption.
PLAYBACK_LETTER = (101, 538)
DELAY_BUTTON = (362, 538)
# The foot of the turn progress gauge at the right edge of the map.
PROGRESS_FOOT = (786, 515)
NAME_PANEL = (500, 548)
DATE_PANEL = (630, 538, 90, 20)
MINIMAP = (728, 527)
# The standard question form's first option and its OK button.
QUESTION_FIRST_OPTION = (231, 15)
QUESTION_OK = (332, 153)
# The view the 1861 start opens with: its corner on the hex in column 1, row 1.
START_VIEW = (1, 1)


def title_bar(modal, what):
    """The navy caption bar above a dialog with a frame, at its right end."""
    return Probe(f"{what}: title bar", modal.x + modal.width - 10, modal.y - 8, NAVY)


def execute_ready(name="main window: Execute ready"):
    return Probe(name, *EXECUTE_LETTER, BLACK)


def execute_closed():
    """A turn that closes Execute as it ends (a mail turn ready to be sent, or
    the war's last) is over once the button is grey and the progress gauge
    empty again."""
    return [Probe("main window: Execute closed", *EXECUTE_LETTER, GREY),
            Probe("main window: progress gauge emptied", *PROGRESS_FOOT, GREY)]


def choose_from_menu(run, title, row):
    """Opens a menu of the menu bar and clicks its row, counted from 0."""
    game = run.game
    game.click(*MENUS[title])
    menu = game.wait_modal("MenuWindow")
    run.expect([Probe(f"{title} menu: open below its title", *menu.point(menu.width - 6, 6), SILVER)])
    game.click(*menu.point(40, 12 + MENU_ROW_PITCH * row))


def quit_from_menu(run):
    """Quits from the Game menu, answering yes, and waits for a clean end."""
    game = run.game
    run.begin("quit")
    choose_from_menu(run, "Game", 5)
    dialog = game.wait_modal("TStndDial")
    run.expect([Probe("quit question: parchment", *dialog.point(100, 120), PARCHMENT, 24)])
    game.click(*dialog.point(332, 153))
    code = game.quit_code(20)
    if code != 0:
        raise Failure(f"the game quit with {code}")


def set_speed_very_fast(run):
    game = run.game
    run.begin("movement speed")
    game.click(*DELAY_BUTTON)
    dialog = game.wait_modal("DelayForm")
    run.expect([Probe("speed dialog: Very Fast button face", *dialog.point(8, 10), SILVER)])
    game.click(*dialog.point(dialog.width // 2, 10))
    game.wait_closed(0)


def answer_file_dialog(run, what, name=None):
    """Types a name over the one the file dialog offers (its box opens with the
    offered name selected), or takes the offered one when no name is given,
    and confirms it."""
    game = run.game
    dialog = game.wait_modal("FileDialog")
    run.expect([title_bar(dialog, f"{what} dialog")])
    if name:
        game.type(name)
    game.key("Return")


def answer_replace_question(run, replace):
    """Answers the question asked before a saved game is replaced, and returns
    it: its second option, no, is checked when it opens, so that OK alone
    keeps the saved game; the first is yes."""
    game = run.game
    question = game.wait_modal("TStndDial")
    run.expect([Probe("replace question: parchment", *question.point(100, 120), PARCHMENT, 24)])
    if replace:
        game.click(*question.point(*QUESTION_FIRST_OPTION))
    game.click(*question.point(*QUESTION_OK))
    return question


def view_from(game, corner):
    """Puts the map view's top left corner on a hex (column, row) with a click
    on the minimap, one pixel a hex; the pointer then rests on the minimap,
    away from the window's edges, where it would scroll the map."""
    game.click(MINIMAP[0] + corner[0], MINIMAP[1] + corner[1])
