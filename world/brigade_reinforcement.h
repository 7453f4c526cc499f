#pragma once
// Bringing a brigade of a corps back toward full strength from its home state's
// recruits, and re-arming it from its nation's weapons.
#include "world/brigade_rules.h"
#include "world/force_records.h"
#include "world/realm_records.h"
#include "world/table.h"

// A brigade of no arm has no full strength.
int FullStrengthOf(int arm);

// Whether a brigade may be reinforced: its corps is supplied (SupplyStatus
// below 2), it lacks men, it carries one of weapons 1..7 (Whitworths cannot be
// replaced in the field) and its nation holds a weapon for every missing man.
bool MayReinforce(const TBrigade& brigade, const TCorps& corps);

// The brigade's quality once `added` recruits of quality 1 joined `strength`
// men of `quality`; the Confederacy's veterans carry their recruits one step
// further. A brigade still without men keeps its quality.
int QualityAfterReinforcing(int quality, int strength, int added, int nation);

enum class Reinforcement { None, ShortOfWeapons, Reinforced };

// Fills the brigade from its home state's pool of its arm as far as the pool
// goes, arming the recruits from the paying nation's stock of its weapon.
// ShortOfWeapons when that stock cannot arm every missing man; nothing is
// taken then.
Reinforcement ReinforceBrigade(int brigade, int paying_nation);

// The weapons a brigade of the arm may be issued: artillery Smoothbores to
// Whitworths, infantry Muskets to Sharps, cavalry Spencers and Shotguns.
WeaponRange IssuableWeapons(int arm);

// Whether the pools hold the weapon for every man of the brigade.
bool MayIssueWeapon(const TBrigade& brigade, int weapon, const Table<U16, 8>& pools);

// Hands the brigade's old weapons back to the pools and issues the new ones
// from them; false, with nothing changed, when the pools cannot cover it.
bool RearmBrigade(TBrigade& brigade, int weapon, Table<U16, 8>& pools);
