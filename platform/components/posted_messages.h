#pragma once

#include <cstdint>

class TControl;

// Messages posted to a control wait in one queue until the message loop
// delivers them, in the order they were posted. A control that goes away
// takes its undelivered messages with it.
void PostMessage(TControl* target, uint32_t msg, intptr_t wparam = 0, intptr_t lparam = 0);
// Delivers the messages that were waiting when the call began; true when
// there was at least one.
bool DeliverPostedMessages();
bool HasPostedMessages();
void DropPostedMessages(TControl* target);
