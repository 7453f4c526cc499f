#pragma once
// An assault on a garrisoned city of the other camp that no enemy corps holds
// in the field: the attackers bombard the works, when there are any, and then
// storm the garrison. A storm that carries the city leaves it without a
// garrison, and the city control of the same turn gives it to the attackers.
#include "warfare/battle_views.h"

namespace TAssaultPhase {
inline constexpr int Ready = 1;
inline constexpr int Breached = 2;
inline constexpr int Over = 3;
}  // namespace TAssaultPhase

// How a bombardment ended: a breach opens the way to the storm, the others end
// the assault.
namespace TBombardment {
inline constexpr int Breach = 1;
inline constexpr int GunsSilenced = 2;
inline constexpr int Failed = 4;
}  // namespace TBombardment

namespace TStorm {
inline constexpr int Carried = 1;
inline constexpr int Repulsed = 2;
}  // namespace TStorm

// The forces of one assault as they stood when it was set up, the works and
// attacking guns as the fighting leaves them, and the form the players see.
struct CityAssault {
  int city = 0;
  int camp = 0;           // the attackers'
  int infantry = 0;       // the attackers' men, in strength points
  int guns = 0;           // the attackers' artillery, silenced gun by gun
  int ships = 0;          // the attackers' ironclads and warships on the hex
  int garrison = 0;       // the garrison's men
  int garrisonGuns = 0;   // the garrison's artillery
  int works = 0;          // the city's works
  int defendingGuns = 0;  // coastal guns and the defenders' ironclads and warships
  int phase = TAssaultPhase::Ready;
  AssaultForm form;
};

// Counts the forces of the camp's corps on the battle hex against the city.
// The camp is that of the corps that opened the battle: a neutral city has no
// opposite camp to take it from.
CityAssault PrepareCityAssault(int city, int camp);

// The form's Execute: the bombardment while the city has works, then the
// storm. Two presses at most end any assault.
void ExecuteAssaultStep(CityAssault& assault);

// The bombardment's up to seven rounds; returns how it ended (TBombardment).
int BombardCity(CityAssault& assault);
// The storm's rounds; returns TStorm::Carried or TStorm::Repulsed.
int StormCity(CityAssault& assault);

// Points of loss laid one at a time on the line brigades of the camp's orderly
// corps on the battle hex, or on the city's garrison: a pass over the brigades
// in index order after another, until the points are used up or a pass finds
// no strength left. Each returns the points laid.
int InflictAttackerLosses(int points, int camp);
int InflictGarrisonLosses(int city, int points);

// The morale a side keeps after losing lost of its men strength points: 100,
// less a tenth for all of them, and 100 once more are lost than it had (or
// when it had none).
int MoraleAfterLosses(int lost, int men);

// The storm round's result: 0 to fight on, else TStorm. A side whose morale
// broke gives way, and a garrison that lost all its men is overcome, unless
// the attackers lost all theirs.
int StormRoundResult(bool garrisonBroke, bool attackersBroke, int garrisonLost, int garrison,
                     int attackersLost, int attackers);

// The whole assault with its form, from the set-up to the player's OK.
void SetUpCityAssault(int city, int camp);
