"""How a player answers each dialog that can open while a turn runs, and the
turn itself: Execute pressed, every dialog answered, the movement watched to
its end.

Points are the centres of the dialogs' own controls, in each dialog's client
coordinates as its form lays them out.
"""

import time

from main_window import EXECUTE, NAVY, PROGRESS_FOOT, execute_ready, title_bar
from xgame import Failure, Probe, wait_for


def press_return(game, modal):
    game.key("Return")


def clicks(*points):
    """Clicks the points in turn, each only while the dialog is still in front."""
    def answer(game, modal):
        for x, y in points:
            if game.top_modal() is not modal:
                return
            game.click(*modal.point(x, y))
            time.sleep(0.3)
    return answer


# Standard notices close with the OK button under their options, the first of
# which starts checked; report forms share one layout, the rebellion form
# has its own; the foreign-affairs form closes with its first answer.
STANDARD_NOTICE_OK = clicks((332, 153))
REPORT_OK = clicks((326, 148))
NOTICE_FORMS = {
    "TStndDial": STANDARD_NOTICE_OK,
    "TRebellion": clicks((404, 180)),
    "TForeign_Affairs": clicks((326, 16)),
}
REPORT_FORMS = (
    "TBlockade_Run", "TBridging", "TCity_Fall", "TDraft_Rioting", "TFleet_Embark", "TRail_Move",
    "TFort_Build", "TGovernor_Complaints", "TInauguration", "TCombat_Roles", "TScuttled",
    "TFleetSpls", "TState_Lost", "TTraining", "TArmyFormed", "TCorpsFrm", "TBrgdFormed",
    "TForces_Added", "TNewspapr")

ANSWERS = {
    "MessageDialog": press_return,
    **NOTICE_FORMS,
    **{name: REPORT_OK for name in REPORT_FORMS},
    # The naval engagement: OK.
    "TFleetCbt": clicks((220, 293)),
    # The field battle: the Union's intensity (the button does nothing when
    # the Union does not choose), then the fight.
    "Tquickrez": clicks((107, 174), (210, 223)),
    # The intensity stays at its first level.
    "TBtl_Intensity": clicks((462, 291)),
    # The results: OK.
    "TResolv": clicks((345, 371)),
    "TBattleAnalysis": clicks((280, 371)),
    # The first leader offered, then OK.
    "TLdr_Dead": clicks((98, 18), (160, 235)),
    # The next step of the assault while there is one, else OK.
    "TFortAssault": clicks((130, 261), (270, 261)),
}


def answer(run, modal, own_answers=None):
    """Answers the dialog in front, by `own_answers` where they name it, and
    waits until it has gone or another opened over it."""
    respond = (own_answers or {}).get(modal.name) or ANSWERS.get(modal.name)
    if respond is None:
        run.keep(run.game.shot(), f"unknown {modal.name}")
        raise Failure(f"no answer is known for dialog {modal}")
    run.seen.append(modal.name)
    if modal.name == "MessageDialog":
        run.expect([title_bar(modal, "notice")])
    for _ in range(3):
        respond(run.game, modal)
        try:
            wait_for(lambda: run.game.top_modal() is not modal, 5, f"{modal.name} answered")
            return
        except Failure:
            pass
    run.keep(run.game.shot(), f"stuck {modal.name}")
    raise Failure(f"dialog {modal} stayed in front after three answers")


def play_turn(run, timeout, ended=None, own_answers=None):
    """Presses Execute and answers every dialog (by `own_answers` where they
    name it) until, with no dialog open, the `ended` probes all show: by
    default the Execute button working again.
    Returns whether the movement was seen: the progress gauge filling with no
    dialog in front."""
    game = run.game
    progress = Probe("turn: progress gauge filling", *PROGRESS_FOOT, NAVY)
    ended = ended or [execute_ready()]

    def over(shot):
        return all(probe.matches(shot) for probe in ended)

    game.click(*EXECUTE)
    wait_for(lambda: game.top_modal() or not over(game.shot()), 10, "Execute to take the click")
    animated = False
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if not game.running():
            raise Failure(f"the game ended with {game.process.returncode} during the turn")
        modal = game.top_modal()
        if modal:
            answer(run, modal, own_answers)
            continue
        shot = game.shot()
        if game.top_modal():
            continue
        if over(shot):
            return animated
        animated = animated or progress.matches(shot)
        time.sleep(0.1)
    run.keep(game.shot(), "turn timeout")
    raise Failure(f"the turn had not ended after {timeout} s")
