#include "ui/main/notices/event_notices.h"

#include "ui/main/notices/notice_form.h"
#include "world/notice_forms.h"

void ShowEventMessage(TEventMessage& notice, const Table<TEventOption, 6>& options,
                      TTimer& movement_timer) {
  const NoticeForm* row = NoticeFormOf(notice.Kind);
  if (row == nullptr) return;
  const bool was_running = movement_timer.Enabled();
  movement_timer.SetEnabled(false);
  TNoticeForm(*row, notice, options).Run();
  movement_timer.SetEnabled(was_running);
}

void ShowDraftRiotingReport(const TEventMessage& notice) {
  TEventMessage shown = notice;
  const Table<TEventOption, 6> no_options{};
  TNoticeForm(DraftRiotingForm(), shown, no_options).Run();
}
