#pragma once
// The computer's landings from the sea: once a turn a nation picks the enemy
// port most worth a landing, an idle transport fleet and a corps waiting for
// it, and sends them together; after movement a corps that has reached its
// fleet goes aboard.

// Plans the nation's landing of the turn. Leaves the planning value of every
// city but the enemy's ports at 0 for the rest of the nation's plan.
void PlanAmphibiousOperations(int nation);

// The nation's idle transport fleet whose home port lies nearest the city,
// among those whose supplies (topped up from the home theatre's stock) cover
// the voyage; 0 when none.
int FindTransportFleet(int nation, int city);

// Every fleet of every nation with a corps assigned: a corps within one hex
// that waits to board goes aboard and the fleet sails for its landing port;
// otherwise the fleet gives the corps up and heads home.
void EmbarkAssignedCorps();
