#pragma once
// The main window's side of the notices: the form of the notice's kind,
// shown with the movement timer held, and the draft-riot report the monthly
// riot check shows directly.
#include "platform/forms/timer.h"
#include "world/event_message.h"
#include "world/table.h"

// Shows the form of the notice's kind, if it has one, and leaves the pick in
// notice.Choice. The movement timer does not tick while the form is up and
// runs again afterwards only if it was running.
void ShowEventMessage(TEventMessage& notice, const Table<TEventOption, 6>& options,
                      TTimer& movement_timer);

// The draft-riot report with the notice's lines, whatever its kind.
void ShowDraftRiotingReport(const TEventMessage& notice);
