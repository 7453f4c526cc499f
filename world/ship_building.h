#pragma once
// The computer's shipyards: an order of ironclads, warships and transports at
// a city becomes up to three new fleets, one per type, as far as the nation's
// build points, the city's yards and the theatre's supplies allow.

// TFleet.Kind 0 and 1 sail the sea, kind 2 the rivers.
inline constexpr int kRiverFleetKind = 2;

// Ship types of an order.
namespace TShipOrder {
inline constexpr int Transports = 0;
inline constexpr int Warships = 1;
inline constexpr int Ironclads = 2;
}  // namespace TShipOrder

// Orders the ships (counts taken as absolute values); CurrentFleet is left on
// the last fleet begun, 0 when none was.
void BuildShipsAtCity(int nation, int city, int fleetKind, int ironclads, int warships,
                      int transports);

// Makes fleet slot `fleet` a new fleet of the nation at the city, of count
// ships of one type, under construction. Nothing for city 0.
void AddShipsToFleet(int fleet, int nation, int city, int fleetKind, int shipType, int count);

// Makes the slot an empty active fleet of the nation: every field cleared, the
// nation's camp, and the lowest number none of the nation's other fleets holds.
void BeginFleet(int fleet, int nation);
