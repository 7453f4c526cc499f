"""The opening turns of a campaign from the 1861 start, played as a person
plays them: a corps sent off by dragging its path on the map, a city's
production raised, a brigade raised and a corps formed of it, a fleet given an
amphibious mission with that corps aboard, and two turns executed and watched,
every notice and battle on the way answered through its dialogs."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from answers import play_turn  # noqa: E402
from main_window import (BLACK, DELAY_BUTTON, NAVY, PARCHMENT, SILVER, choose_from_menu,  # noqa: E402
                         execute_ready)
from opening import choose_scenario, set_up  # noqa: E402
from xgame import Failure, Probe, play  # noqa: E402

# The map shows hexes of 28 pixels from the frame's row 19; odd columns sit
# half a hex higher. The 1861 start shows the map from its first hex.
HEX = 28
MAP_TOP = 19
# S.D. Sturgis's corps stands at Jefferson City.
STURGIS = (15, 13)
STURGIS_PATH = [(16, 13), (17, 13), (18, 13)]
# The corps orders dialog's destination line.
DESTINATION_LINE = (12, 122, 130, 14)
# Rows of the overviews' and order dialogs' lists.
OVERVIEW_ROW = 12


def hex_centre(column, row):
    return ((column - 1) * HEX + HEX // 2,
            MAP_TOP + (row - 1) * HEX + (HEX // 2 if column % 2 == 0 else 0) + HEX // 2)


def overview_row(row):
    return (60, 36 + OVERVIEW_ROW * row)


def changed(before, after, what):
    if before == after:
        raise Failure(f"{what}: the screen did not change")


def corps_destination(run):
    """Opens S.D. Sturgis's orders with a right click and reads his destination line."""
    game = run.game
    game.click(*hex_centre(*STURGIS), button=3)
    dialog = game.wait_modal("TCorpsOrder")
    shot = run.expect([Probe("corps orders: parchment", *dialog.point(200, 300), PARCHMENT, 24)])
    line = shot.region(*dialog.point(*DESTINATION_LINE[:2]), *DESTINATION_LINE[2:])
    game.click(*dialog.point(390, 438))
    game.wait_closed(0)
    return line


def corps_path(run):
    game = run.game
    run.begin("corps orders by a dragged path")
    run.expect([Probe("map: S.D. Sturgis's counter at Jefferson City", hex_centre(*STURGIS)[0] - 6,
                      hex_centre(*STURGIS)[1] - 4, (28, 46, 112), 24)])
    before = corps_destination(run)
    start = game.shot()
    counter = (hex_centre(*STURGIS)[0] - HEX // 2, hex_centre(*STURGIS)[1] - HEX // 2, HEX, HEX)

    def arrows_drawn():
        run.expect_that("path arrows drawn on the map while dragging",
                        lambda shot: shot.region(*counter) != start.region(*counter), 5)

    game.drag([hex_centre(*STURGIS)] + [hex_centre(*step) for step in STURGIS_PATH], arrows_drawn)
    changed(before, corps_destination(run), "corps orders: S.D. Sturgis's destination after the drag")


def city_production(run):
    game = run.game
    run.begin("city production")
    choose_from_menu(run, "National", 2)
    dialog = game.wait_modal("TCtyProdn")
    game.click(*dialog.point(70, 28))  # Baltimore
    muskets = (*dialog.point(310, 31), 30, 16)
    before = run.expect([Probe("city production: Baltimore chosen", *dialog.point(170, 28), NAVY)])
    game.click(*dialog.point(380, 37))  # more muskets
    run.expect_that("city production: more muskets ordered in Baltimore",
                    lambda shot: shot.region(*muskets) != before.region(*muskets), 5)
    game.click(*dialog.point(465, 314))
    game.wait_closed(0)


def raise_brigade(run):
    game = run.game
    run.begin("a brigade raised")
    choose_from_menu(run, "Build Forces", 0)
    dialog = game.wait_modal("TRaiseBrgds")
    brigades = (*dialog.point(10, 30), 180, 50)
    game.click(*dialog.point(44, 70))  # the 14th New York
    muskets = dialog.point(230, 209)
    before = run.expect([Probe("new brigades: 14th NY chosen", *dialog.point(180, 70), NAVY)])
    game.click(*dialog.point(258, 34))  # deployed in New York
    game.click(*muskets)
    run.expect_that("new brigades: the 14th NY raised and gone from the list",
                    lambda shot: shot.region(*brigades) != before.region(*brigades), 5)
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
    game.click(*dialog.point(334, 202))  # amphibious
    embark = game.wait_modal("TEmbarkCorps")
    game.click(*embark.point(100, 14))  # J. Pope's corps
    run.expect([Probe("embark dialog: J. Pope's corps chosen", *embark.point(190, 14), NAVY)])
    game.click(*embark.point(104, 112))
    game.wait_closed(2)
    run.expect([Probe("fleet orders: amphibious chosen", *dialog.point(310, 202), BLACK)])
    game.click(*dialog.point(114, 235))  # objectives offered
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
    run.begin("movement speed")
    game.click(*DELAY_BUTTON)
    dialog = game.wait_modal("DelayForm")
    game.click(*dialog.point(dialog.width // 2, 10))
    game.wait_closed(0)
    run.expect([execute_ready()])

    corps_path(run)
    city_production(run)
    raise_brigade(run)
    form_corps(run)
    fleet_with_corps_aboard(run)

    for turn in (1, 2):
        run.begin(f"turn {turn}")
        if not play_turn(run, 90):
            raise Failure("the movement was never seen: the turn progress gauge stayed empty")
    print(f"dialogs answered in the turns: {' '.join(run.seen)}")
    if "MessageDialog" not in run.seen:
        raise Failure("no notice came up in two turns")


if __name__ == "__main__":
    play("campaign", campaign)
