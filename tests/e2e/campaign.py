"""The opening turns of a campaign from the 1861 start, played as a person
plays them: corps sent off by dragging their paths on the map, one of them
against the Confederates at Manassas, a city's production raised, a brigade
raised and a corps formed of it, a fleet given an amphibious mission with that
corps aboard, two turns executed and watched, every notice and battle on the
way answered through its dialogs, and the game quit."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from answers import play_turn  # noqa: E402
from main_window import (BLACK, NAVY, PARCHMENT, SILVER, START_VIEW, choose_from_menu,  # noqa: E402
                         execute_ready, quit_from_menu, set_speed_very_fast, view_from)
from opening import choose_scenario, set_up  # noqa: E402
from xgame import Failure, Probe, play  # noqa: E402

# The map shows hexes of 28 pixels from the frame's row 19; odd columns sit
# half a hex higher.
HEX = 28
MAP_TOP = 19
SIGEL_VIEW = (1, 5)
UNION_COUNTER = (28, 46, 112)
CONFEDERATE_COUNTER = (200, 24, 32)
# S.D. Sturgis's corps stands at Jefferson City, F. Sigel's south-west of it,
# three hexes north of the Confederates under S. Price by Springfield.
STURGIS = (15, 13)
STURGIS_PATH = [(16, 13), (17, 13), (18, 13)]
SIGEL = (13, 17)
SIGEL_PATH = [(13, 18), (13, 19), (12, 19), (12, 20)]
# D. Tyler's corps at Alexandria faces the Confederates at Manassas.
ALEXANDRIA = (52, 13)
MANASSAS = (51, 13)
TYLER_VIEW = (49, 11)
# The corps orders dialog's destination line and two of its orders.
DESTINATION_LINE = (12, 122, 130, 14)
ADVANCE = (26, 394)
FORCED_MARCH = (182, 394)
# Rows of the overviews' and order dialogs' lists.
OVERVIEW_ROW = 12


def hex_centre(hex, view):
    (column, row), (left, top) = hex, view
    return ((column - left) * HEX + HEX // 2,
            MAP_TOP + (row - top) * HEX + (HEX // 2 if column % 2 == 0 else 0) + HEX // 2)


def overview_row(row):
    return (60, 36 + OVERVIEW_ROW * row)


def corps_destination(run, centre, orders=()):
    """Opens a lone corps's orders with a right click, reads its destination
    line and gives the orders (radio buttons of the dialog) before OK."""
    game = run.game
    game.click(*centre, button=3)
    dialog = game.wait_modal("TCorpsOrder")
    shot = run.expect([Probe("corps orders: parchment", *dialog.point(200, 300), PARCHMENT, 24)])
    line = shot.region(*dialog.point(*DESTINATION_LINE[:2]), *DESTINATION_LINE[2:])
    for order in orders:
        game.click(*dialog.point(*order))
    run.expect([Probe("corps orders: order given", *dialog.point(*order), BLACK) for order in orders])
    game.click(*dialog.point(390, 438))
    game.wait_closed(0)
    return line


def drag_path(run, name, centre, steps):
    """Drags a path from a corps's hex through the steps' centres; the arrows
    must show while the button is held."""
    game = run.game
    counter = (centre[0] - HEX // 2, centre[1] - HEX // 2, HEX, HEX)
    start = game.shot().region(*counter)

    def arrows_drawn():
        run.expect_that(f"{name}'s path arrows drawn while dragging",
                        lambda shot: shot.region(*counter) != start, 5)

    game.drag([centre] + steps, arrows_drawn)


def corps_path(run, name, corps, steps, view, orders=()):
    """Drags a lone corps's path; its destination must change. The orders are
    given in the corps's dialog afterwards."""
    run.begin(f"{name}'s orders by a dragged path")
    centre = hex_centre(corps, view)
    run.expect([Probe(f"map: {name}'s counter", centre[0] - 6, centre[1] - 4, UNION_COUNTER, 24)])
    before = corps_destination(run, centre)
    drag_path(run, name, centre, [hex_centre(step, view) for step in steps])
    if corps_destination(run, centre, orders) == before:
        raise Failure(f"corps orders: {name}'s destination did not change with the dragged path")


def attack_from_a_stack(run):
    """D. Tyler shares Alexandria with another corps, so he is taken in hand
    from the army overview, given the advance and dragged on to Manassas."""
    game = run.game
    run.begin("D. Tyler sent against Manassas")
    choose_from_menu(run, "Overviews", 0)
    overview = game.wait_modal("TForceOver")
    game.click(*overview.point(*overview_row(0)))
    dialog = game.wait_modal("TCorpsOrder")
    game.click(*dialog.point(*ADVANCE))
    run.expect([Probe("corps orders: D. Tyler to advance", *dialog.point(*ADVANCE), BLACK)])
    game.click(*dialog.point(390, 438))
    game.wait_closed(1)
    game.click(*overview.point(overview.width // 2, 276))
    game.wait_closed(0)
    view_from(game, TYLER_VIEW)
    centre = hex_centre(ALEXANDRIA, TYLER_VIEW)
    target = hex_centre(MANASSAS, TYLER_VIEW)
    run.expect([Probe("map: the Union stack at Alexandria", *centre, UNION_COUNTER, 24),
                Probe("map: the Confederates at Manassas", *target, CONFEDERATE_COUNTER, 24)])
    drag_path(run, "D. Tyler", centre, [target])


def city_production(run):
    game = run.game
    run.begin("city production")
    choose_from_menu(run, "National", 2)
    dialog = game.wait_modal("TCtyProdn")
    game.click(*dialog.point(70, 28))  # Baltimore
    muskets = (*dialog.point(310, 31), 30, 16)
    run.expect([Probe("city production: Baltimore chosen", *dialog.point(170, 28), NAVY)])
    run.expect_change("city production: more muskets ordered in Baltimore", muskets,
                      lambda: game.click(*dialog.point(380, 37)))
    game.click(*dialog.point(465, 314))
    game.wait_closed(0)


def raise_brigade(run):
    game = run.game
    run.begin("a brigade raised")
    choose_from_menu(run, "Build Forces", 0)
    dialog = game.wait_modal("TRaiseBrgds")
    brigades = (*dialog.point(10, 30), 180, 50)
    game.click(*dialog.point(44, 70))  # the 14th New York
    run.expect([Probe("new brigades: 14th NY chosen", *dialog.point(180, 70), NAVY)])
    game.click(*dialog.point(258, 34))  # deployed in New York
    run.expect_change("new brigades: the 14th NY raised and gone from the list", brigades,
                      lambda: game.click(*dialog.point(230, 209)))  # armed with muskets
    game.click(*dialog.point(100, 364))
    game.wait_closed(0)


def army_overview_rows(run):
    """Opens the army overview and counts its rows of corps."""
    game = run.game
    choose_from_menu(run, "Overviews", 0)
    dialog = game.wait_modal("TForceOver")
    shot = run.expect([Probe("army overview: OK button face", *dialog.point(dialog.width // 2 - 30, 266),
                             SILVER, 16)])
    rows = 0
    while rows < 18:
        x, y = dialog.point(*overview_row(rows))
        if BLACK not in shot.region(x - 48, y - 4, 200, 8):
            break
        rows += 1
    game.click(*dialog.point(dialog.width // 2, 276))
    game.wait_closed(0)
    return rows


def form_corps(run):
    game = run.game
    run.begin("a corps formed")
    corps_before = army_overview_rows(run)
    choose_from_menu(run, "Build Forces", 2)
    dialog = game.wait_modal("TRaiseCorps")
    game.click(*dialog.point(159, 180))  # a corps
    run.expect([Probe("new corps: Corps chosen", *dialog.point(158, 180), BLACK)])
    game.click(*dialog.point(200, 48))  # J. Pope
    game.click(*dialog.point(350, 36))  # New York, where the 14th stands
    game.click(*dialog.point(70, 36))  # the 14th New York
    run.expect([Probe("new corps: the 14th NY chosen", *dialog.point(130, 36), NAVY)])
    game.click(*dialog.point(210, 253))
    game.wait_closed(0)
    corps_after = army_overview_rows(run)
    if corps_after != corps_before + 1:
        raise Failure(f"army overview: {corps_after} corps listed after forming one, "
                      f"{corps_before} before")


def fleet_with_corps_aboard(run):
    game = run.game
    run.begin("fleet orders with a corps embarked")
    choose_from_menu(run, "Overviews", 1)
    overview = game.wait_modal("TFleetOver")
    game.click(*overview.point(*overview_row(3)))  # fleet 4, New York
    dialog = game.wait_modal("TFleetOrders")
    game.click(*dialog.point(334, 170))  # amphibious
    embark = game.wait_modal("TEmbarkCorps")
    game.click(*embark.point(100, 14))  # J. Pope's corps
    run.expect([Probe("embark dialog: J. Pope's corps chosen", *embark.point(190, 14), NAVY)])
    game.click(*embark.point(104, 112))
    game.wait_closed(2)
    run.expect([Probe("fleet orders: amphibious chosen", *dialog.point(310, 170), BLACK)])
    game.click(*dialog.point(220, 236))  # objectives offered
    game.click(*dialog.point(250, 366))  # Fort Monroe
    run.expect([Probe("fleet orders: Fort Monroe the objective", *dialog.point(360, 366), NAVY)])
    game.click(*dialog.point(207, 402))
    game.wait_closed(1)
    game.click(*overview.point(overview.width // 2, 276))
    game.wait_closed(0)


def campaign(run):
    game = run.game
    choose_scenario(run)
    set_up(run)
    set_speed_very_fast(run)
    run.expect([execute_ready()])

    corps_path(run, "S.D. Sturgis", STURGIS, STURGIS_PATH, START_VIEW)
    city_production(run)
    raise_brigade(run)
    form_corps(run)
    fleet_with_corps_aboard(run)
    view_from(game, SIGEL_VIEW)
    corps_path(run, "F. Sigel", SIGEL, SIGEL_PATH, SIGEL_VIEW, [ADVANCE, FORCED_MARCH])
    attack_from_a_stack(run)

    for turn in (1, 2):
        run.begin(f"turn {turn}")
        if not play_turn(run, 90):
            raise Failure("the movement was never seen: the turn progress gauge stayed empty")
    print(f"dialogs answered in the turns: {' '.join(run.seen)}")
    print(f"peak resident memory of the game: {game.peak_memory_mb():.1f} MB")
    if "MessageDialog" not in run.seen:
        raise Failure("no notice came up in two turns")
    if "TResolv" not in run.seen:
        raise Failure("no battle was fought to its results in two turns")
    quit_from_menu(run)


if __name__ == "__main__":
    play("campaign", campaign)
