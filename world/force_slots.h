#pragma once
// Corps and armies live in fixed tables. These rules hand out a free slot with
// the nation's next free number, keep the leaders' status in step with the
// commands they hold, and choose commanders: for a new formation, and for a
// corps whose commander is gone.
#include <cstdint>

// TLeader.Status values the succession rules read and write.
namespace TLeaderStatus {
inline constexpr int InCommand = 0;
inline constexpr int Available = 100;
inline constexpr int Relieved = 200;
// Taken from command by the player for this turn; charged at the end of orders.
inline constexpr int TemporarilyRemoved = 249;
}  // namespace TLeaderStatus

// TLeaderClass: the kind of command a leader is made for.
namespace TLeaderClass {
inline constexpr int Divisional = 1;
inline constexpr int Cavalry = 2;
inline constexpr int Corps = 3;
inline constexpr int Army = 5;
}  // namespace TLeaderClass

// The command a successor is wanted for.
inline constexpr int kDivisionCommand = 1;
inline constexpr int kCorpsCommand = 2;
inline constexpr int kArmyCommand = 3;

// The lowest number no corps of the nation bears.
int LowestFreeCorpsOrdinal(int nation);

// A free corps slot made the nation's, with its lowest free number; 0 when all
// 120 are in use (or the nation is none).
int AllocateCorpsSlot(int nation);
// Every rule that takes a corps off the board frees its slot here. A fleet
// sent for the corps, or carrying it, gives it up and sails home, so that no
// fleet names a free slot (a saved game that did would not load).
void FreeCorpsSlot(int corps);
// A free army slot made the nation's, with its lowest free number; its
// headquarters stay 0 for the caller to set. 0 when all 15 are in use.
int AllocateArmySlot(int nation);

// A leader of the nation's camp for a command of commandKind (for a division,
// corpsKind tells a cavalry one); 0 when none is free or the nation's human
// player appoints his own. The leader's status is left for the caller to set.
// flag is accepted from every caller and changes nothing.
int ChooseSuccessor(int nation, int commandKind, int corpsKind, int flag);

// The best free leader of the camp for the wanted TLeaderClass; 0 when none.
int ScoreLeaderCandidates(int camp, int wanted);

// When the leader commands an active corps, that corps gets a successor. false
// only when one was needed and none could be found.
bool AppointCorpsSuccessor(int nation, int leader);

// Puts the leader in command of the corps, with the copies of his ratings the
// corps keeps. Both must be valid indices.
void GiveCorpsCommander(int corps, int leader);

// The command a corps of the kind (TCorpsKind) wants its commander for.
int CommandKindOfCorps(int corpsKind);
