#pragma once
// The word for a state's political support: the text line of its band, or 0
// for a loyalty above every band.
int SupportBandLine(int loyalty);
