#include "world/rail_moves.h"

#include <string>

#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/corps_orders.h"
#include "world/corps_path.h"
#include "world/game_window.h"
#include "world/realm_queries.h"
#include "world/route_finder.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kRailMoveNotice = 6;
constexpr int kArrivedText = 145;
constexpr int kRailMoveText = 146;
constexpr int kArrivalCityText = 687;
constexpr int kNoArrivalCityText = 688;
constexpr int kLongestRailMove = 30;
constexpr int kAllReportsView = 3;
constexpr int kStoppedPathStep = 10;
// The rail route takes no policy; the way back is asked with this one.
constexpr int kRouteBackPolicy = 3;

void PlaceOnTargetHex(TCorps& corps) {
  corps.X = static_cast<std::uint8_t>(TargetHexX);
  corps.Y = static_cast<std::uint8_t>(TargetHexY);
}

// The last city on the hex; 0 when none.
int CityOn(int x, int y) {
  int found = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X == x && city.Y == y) found = c;
  }
  return found;
}

// The player hears of a rail move when he plays the corps' camp against the
// computer, or when his message view covers it.
bool ReportedToPlayer(const TCorps& corps) {
  const int side = corps.Side;
  const int other = side == TSide::Union ? TNation::Confederacy : TNation::Union;
  const bool soleHumanCamp = IsHumanNation(side) && !IsHumanNation(other);
  const int view = GameState.MessageView;
  return soleHumanCamp || view == side || view == kAllReportsView;
}

void ShowRailMove(int c, int arrivalCity) {
  const TCorps& corps = GameState.Corps[c];
  ClearEventMessage();
  EventMessage.Kind = kRailMoveNotice;
  EventMessage.Line1 = LeaderName(corps.Leader) + " " + TextLine(kArrivedText);
  EventMessage.Line2 = TextLine(kRailMoveText);
  EventMessage.Line3 = arrivalCity != 0
                           ? TextLine(kArrivalCityText) + GameState.Cities[arrivalCity].Name.str()
                           : TextLine(kNoArrivalCityText);
  ShowEventMessage();
  ViewLeft = corps.X;
  ViewTop = corps.Y;
  Window().RepaintMap();
  Window().DrawCorpsCounter(c, MapPixelX(corps.X), MapPixelY(corps.X, corps.Y));
}

}  // namespace

void MoveCorpsByRail(int c) {
  TCorps& corps = GameState.Corps[c];
  ClearPath(corps);
  ClearStepsDone(corps);
  corps.MovePoints = 0;
  corps.PathStep = kStoppedPathStep;
  ChangeCorpsFatigue(c, [](int fatigue) { return fatigue / 3; });

  // The rail network is its camp's, whichever nation of the camp the corps serves.
  const int camp = CampOfNation(corps.Nation);
  int arrivalCity = 0;
  const bool arrived = RouteArrives(corps.X, corps.Y, corps.DestX, corps.DestY, kLongestRailMove,
                                    kRailRouteMode, camp, kForeignHexesNearStart);
  PlaceOnTargetHex(corps);
  if (arrived) {
    arrivalCity = CityOn(corps.X, corps.Y);
  } else {
    // Short of its destination the corps goes on to where the line back from
    // the destination, one move long, reaches; with no such line it stays.
    RouteTo(corps.DestX, corps.DestY, corps.X, corps.Y, kLongestRailMove, kRailRouteMode, camp,
            kRouteBackPolicy);
    PlaceOnTargetHex(corps);
  }
  if (ReportedToPlayer(corps)) ShowRailMove(c, arrivalCity);
  corps.Activity = TCorpsActivity::MovedByRail;
  corps.MovePoints = 0;
  corps.Stance = TCombatStance::Defend;
  if (arrivalCity == 0) {
    corps.DestX = corps.X;
    corps.DestY = corps.Y;
  }
}
