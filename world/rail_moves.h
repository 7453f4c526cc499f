#pragma once
// A corps moving by rail is carried along its camp's linked hexes at once, in
// the orders pass, before anything else moves.

void MoveCorpsByRail(int corps);
