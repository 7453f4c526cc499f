#include "platform/components/posted_messages.h"

#include <deque>

#include "platform/components/control.h"

namespace {

struct Posted {
  TControl* target;
  uint32_t msg;
  intptr_t wparam;
  intptr_t lparam;
};

std::deque<Posted> g_queue;

}  // namespace

void PostMessage(TControl* target, uint32_t msg, intptr_t wparam, intptr_t lparam) {
  if (target) g_queue.push_back({target, msg, wparam, lparam});
}

// Messages posted by a handler wait for the next round, so a control that
// re-posts to itself cannot keep the loop here forever.
bool DeliverPostedMessages() {
  size_t waiting = g_queue.size();
  const bool any = waiting > 0;
  while (waiting-- > 0 && !g_queue.empty()) {
    const Posted posted = g_queue.front();
    g_queue.pop_front();
    posted.target->Perform(posted.msg, posted.wparam, posted.lparam);
  }
  return any;
}

bool HasPostedMessages() {
  return !g_queue.empty();
}

void DropPostedMessages(TControl* target) {
  std::erase_if(g_queue, [target](const Posted& posted) { return posted.target == target; });
}
