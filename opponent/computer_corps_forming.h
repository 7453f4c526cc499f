#pragma once
// How a computer nation shapes its corps: one more brigade a turn for every
// corps below its strength, new corps and divisions out of the brigades
// waiting to join one and out of garrisons a city can spare, and divisions
// made corps once the nation has many.

void BalanceCorpsBrigades(int nation);
void FormCorpsFromWaitingBrigades(int nation);
void FormCorpsFromSurplusGarrisons(int nation);
void PromoteDivisions(int nation);
