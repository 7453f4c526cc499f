#include "ui/main/bi_tools.h"

#include "platform/components/control.h"
#include "platform/forms/screen.h"
#include "platform/input/mouse.h"

TBI_Hotspot::TBI_Hotspot(TComponent* owner, TTickClock& clock)
    : TComponent(owner), timer_(new TBI_Timer(this, clock)) {
  timer_->SetEnabled(false);
  timer_->SetInterval(interval_);
  timer_->SetThreadPriority(priority_);
  timer_->SetOnTimer([this](TComponent*) { Poll(); });
}

TBI_Hotspot::~TBI_Hotspot() {
  timer_->SetEnabled(false);
  delete timer_;
}

void TBI_Hotspot::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  timer_->SetEnabled(active);
}

void TBI_Hotspot::ChangeTimer(const std::function<void()>& change) {
  timer_->SetEnabled(false);
  change();
  timer_->SetEnabled(active_);
}

void TBI_Hotspot::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  ChangeTimer([&] {
    timer_->SetInterval(interval);
    interval_ = interval;
  });
}

void TBI_Hotspot::SetThreadPriority(TThreadPriority priority) {
  if (priority == priority_) return;
  ChangeTimer([&] {
    timer_->SetThreadPriority(priority);
    priority_ = priority;
  });
}

bool TBI_Hotspot::Inside(TPoint point) const {
  return InRect(point) || OnOrBeyondEdge(point);
}

bool TBI_Hotspot::InRect(TPoint point) const {
  return RectLeft < point.X && point.X < RectRight && RectTop < point.Y && point.Y < RectBottom;
}

// On the frame's outermost line at its edge, or beyond it, level with the
// rectangle's extent along that edge (strictly, as inside it). A pointer
// pushed against the window's edge rests on that line when the frame fills
// the window. The top band's outermost row is the menu bar's, so only the bar
// above the frame counts for it.
bool TBI_Hotspot::OnOrBeyondEdge(TPoint point) const {
  if (Area != hsaScreen) return false;
  const bool level_with_rows = RectTop < point.Y && point.Y < RectBottom;
  const bool level_with_columns = RectLeft < point.X && point.X < RectRight;
  switch (Edge) {
    case heLeft:
      return point.X <= 0 && level_with_rows;
    case heRight:
      return point.X >= TScreen::kWidth - 1 && level_with_rows;
    case heTop:
      return point.Y < 0 && level_with_columns;
    case heBottom:
      return point.Y >= TScreen::kHeight - 1 && level_with_columns;
    case heNone:
      break;
  }
  return false;
}

TPoint TBI_Hotspot::PointerPosition() const {
  const TPoint pointer = CursorPos();
  const auto* control = dynamic_cast<const TControl*>(Owner());
  if (Area == hsaClient && control) return control->ScreenToClient(pointer);
  return pointer;
}

// Inside: OnInHotspot at every poll, then OnEnter when the pointer was
// outside at the last poll. Outside: OnLeave once, on the poll that finds it gone.
void TBI_Hotspot::Poll() {
  const TPoint pointer = PointerPosition();
  if (Inside(pointer)) {
    if (OnInHotspot) OnInHotspot(this, pointer);
    if (OnEnter && !Inside(last_)) OnEnter(this);
  } else if (OnLeave && Inside(last_)) {
    OnLeave(this);
  }
  last_ = PointerPosition();
}
