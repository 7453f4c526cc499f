#pragma once
// The computer's admirals, once a turn at the end of the orders: stray fleets
// recalled, enemy ports valued as naval targets, patrols, port attacks and
// hunts for the raiders seen, the South's cotton runs, river gunboats against
// ports and corps; and for every nation, the corps given to amphibious fleets
// embarked, and those aboard idle fleets put ashore or lost.

// Every nation in turn; only a computer nation at war plans.
void PlanFleetsAndSeaTransport();
// An idle warship squadron of the theatre patrols (or, with ironclads enough,
// attacks) the best enemy port, provisioned from its home theatre's stock;
// and ironclads go after the enemy raiders the camp has seen.
void ChooseNavalTargets(int nation, int theatre);
// The Confederacy's idle transports in each of its own ports of the theatre
// carry cotton to the foreign buyer.
void PlanCottonRuns(int nation, int theatre);
