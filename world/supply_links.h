#pragma once
// Cities are supplied through links to other cities: by river, by rail, by a
// short march over own ground, or by sea while the navy rules the coast. Each
// city's supply level says how it is fed, and corps draw on it.
#include <cstdint>

// TCity.SupplyLevel
namespace TSupplyLevel {
inline constexpr int Unsupplied = 0;
inline constexpr int ShippedIn = 1;    // a port of a nation with transports at sea
inline constexpr int Linked = 2;       // linked to a supplied city
inline constexpr int StateCentre = 3;  // a state's main city linked within its state
inline constexpr int HomeGround = 4;   // in a state its own camp controls, without a link
}  // namespace TSupplyLevel

// The kinds of link between two cities.
inline constexpr int kNoLink = 0;
inline constexpr int kRailLink = 1;
inline constexpr int kSeaLink = 2;
inline constexpr int kRiverLink = 3;
inline constexpr int kRoadLink = 4;

// Rivers and railways link places fewer than kWaterwayLinkReach hexes apart,
// over routes of at most kWaterwayLinkSteps steps.
inline constexpr int kWaterwayLinkReach = 25;
inline constexpr int kWaterwayLinkSteps = 20;

// How city a is linked to city b, for a's nation (no nation, no link).
int EvaluateCityRoute(int a, int b);

// Recomputes the supply level of every city.
void ComputeCitySupplyLinks();
