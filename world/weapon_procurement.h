#pragma once
// How the computer nations keep their arsenals: once a month, after the prices
// are set, every stock is capped; a computer nation then sells its musket
// output, orders output of a weapon for each arm its raised brigades still
// lack weapons for, and sells off part of the output of each arm that is covered.

// The output it orders or sells becomes weapons in the following months'
// income passes. Shows nothing.
void ProcureWeapons();
