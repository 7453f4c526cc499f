#pragma once
// A hotspot watches the pointer: while it rests inside the hotspot's
// rectangle OnInHotspot fires at every poll, and OnEnter and OnLeave fire as
// it comes and goes. It polls on a TBI_Timer, so its events run on the window
// thread.
#include <functional>

#include "platform/components/component.h"
#include "platform/components/events.h"
#include "platform/graphics/types.h"
#include "ui/main/bi_timer.h"

// The rectangle in frame coordinates, or in the client coordinates of the
// control that owns the hotspot.
enum THotSpotArea { hsaClient, hsaScreen };

// The edge of the frame a screen hotspot lies along, if any. A pointer level
// with the hotspot's extent along that edge is inside the hotspot too when it
// rests on the frame's outermost line there, as a pointer pushed against the
// window's edge does, or in the black bar beyond it that a window of another
// shape than the frame's shows; so the window's own edge does what the
// frame's does. The top's outermost row is the menu bar's and never counts.
enum THotSpotEdge { heNone, heLeft, heTop, heRight, heBottom };

using THotSpotEvent = std::function<void(TComponent* sender, TPoint position)>;

class TBI_Hotspot : public TComponent {
 public:
  explicit TBI_Hotspot(TComponent* owner = nullptr, TTickClock& clock = RealTickClock());
  ~TBI_Hotspot() override;

  int RectLeft = 0;
  int RectTop = 0;
  int RectRight = 100;
  int RectBottom = 100;
  THotSpotArea Area = hsaScreen;
  THotSpotEdge Edge = heNone;

  bool Active() const { return active_; }
  void SetActive(bool active);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);
  TThreadPriority ThreadPriority() const { return priority_; }
  void SetThreadPriority(TThreadPriority priority);

  // Strictly inside the rectangle (a point on its edge is outside), or on or
  // beyond the frame's outermost line at its Edge, beside the rectangle.
  bool Inside(TPoint point) const;

  THotSpotEvent OnInHotspot;
  TNotifyEvent OnEnter;
  TNotifyEvent OnLeave;

 private:
  void Poll();
  bool InRect(TPoint point) const;
  bool OnOrBeyondEdge(TPoint point) const;
  TPoint PointerPosition() const;
  // The timer stops while a setting changes and runs again when active.
  void ChangeTimer(const std::function<void()>& change);

  TBI_Timer* timer_;
  bool active_ = false;
  unsigned interval_ = 55;
  TThreadPriority priority_ = TThreadPriority::tpIdle;
  TPoint last_{-1, -1};
};
