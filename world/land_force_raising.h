#pragma once
// The rules behind the player's raising of corps, divisions and armies: which
// leaders may take a new command, what a new formation may hold, and how the
// slot it was reserved in becomes a corps or is given back untouched.
#include <span>
#include <string>
#include <string_view>

#include "world/force_records.h"
#include "world/le_int.h"
#include "world/table.h"

// A leader sent away for the turn: he may still take a new corps or army, and
// keeps this status whether he takes it or not.
inline constexpr int kLeaderTemporarilyRemoved = 249;

// An army's name holds this many characters.
inline constexpr int kArmyNameLength = 22;

// Whether a raised, unarmed brigade may be armed with the weapon from these
// stocks: only the weapons of its arm, and of those Muskets and Shotguns
// always, the others when the stock arms all its men.
bool MayArmRaisedBrigade(const TBrigade& brigade, int weapon, const Table<U16, 8>& stocks);
// Arms the brigade (paying from the stock when it covers the brigade; Muskets
// and Shotguns are issued free when it does not) and puts it in the city's garrison.
void ArmRaisedBrigade(int brigade, int weapon, int city, Table<U16, 8>& stocks);
// Whether the city may receive the raised brigade: a supplied city of the
// nation in the theatre of its home state, with no enemy corps standing on it.
bool MayDeployRaisedBrigade(const TBrigade& brigade, int city, int nation);

// Whether the nation may raise a corps or division in the city: a supplied
// city of its own land (or of states 19 and 20) with a garrison of its own.
bool MayRaiseFormationIn(int city, int nation);

// A free corps slot made the nation's and cleared of whatever its last holder
// left (brigade totals, path, orders); 0 when every slot is in use.
int ReserveNewCorps(int nation);

// Whether the leader may be offered the command of a new formation of the kind
// (TCorpsKind): a corps wants a corps-class leader or better, who may be away
// for the turn; a division a leader of its own classes who is free.
bool MayLeadNewFormation(const TLeader& leader, int kind);

// A brigade of the nation standing in the city, in its garrison or armed and
// waiting: what a new formation raised there may take.
bool MayJoinNewFormation(const TBrigade& brigade, int city, int nation);

// The arm a formation of the kind leaves out of its ranks; 0 when it takes all.
int ArmLeftOut(int kind);

// How many brigades of the arm a new formation of the kind may take under a
// commander of this capacity.
int NewFormationArmLimit(int kind, int arm, int capacity);

// Turns the reserved slot into a formation of the nation in the city under the
// leader, from the picked brigades within the limits of its kind. It is formed
// only when an infantry or cavalry brigade joins; otherwise the slot is freed,
// every brigade stays where it stood and the leader returns to the pool.
// Returns whether the formation was made.
bool CompleteNewFormation(int corps, int city, int nation, int leader,
                          std::span<const int> brigades);

// The name a new army headquartered in the city is first given: its state's name.
std::string ProposedArmyName(int city);

// A new army of the nation under the leader at the city, with the name (cut to
// fit) and the picked corps under it. Nothing is made, and no slot is taken,
// without a leader and a city or when all armies are in use. Returns the army or 0.
int RaiseArmy(int nation, int leader, int city, std::string_view name, std::span<const int> corps);
