"""The opening of a game: the scenario chosen, then the set-up with the
Confederacy given to the computer."""

from main_window import BLACK, PARCHMENT, SILVER, WHITE, title_bar
from xgame import Probe

SCENARIO_ROWS = {"1861": 0, "1862": 1, "1863": 2, "saved game": 3}


def choose_scenario(run, scenario="1861"):
    game = run.game
    run.begin("scenario choice")
    dialog = game.wait_modal("Intro_Load")
    mark = dialog.point(22, 27 + 18 * SCENARIO_ROWS[scenario])
    run.expect([title_bar(dialog, "scenario dialog"),
                Probe("scenario dialog: silver face", *dialog.point(4, 120), SILVER),
                Probe(f"scenario dialog: {scenario} not yet chosen", *mark, WHITE)])
    game.click(mark[0] + 40, mark[1])
    run.expect([Probe(f"scenario dialog: {scenario} chosen", *mark, BLACK)])
    game.click(*dialog.point(118, 111))


def set_up(run, stage="set-up", saved_game=False):
    """A new game starts with both sides human and gives the Confederacy to the
    computer; a saved game comes back with the Confederacy still the computer's."""
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


