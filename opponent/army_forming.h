#pragma once
// A computer nation gathers corps standing close together in a theatre into
// a new army of two to six corps, under an army commander, with headquarters
// in a city of the state most of their brigades come from.

void FormComputerArmies(int nation);
