#pragma once
// A nation's supply stock in one theatre, or none for a nation or theatre out
// of range: everything the order dialogs buy is paid from one of these.
#include "world/le_int.h"

U16* TheatreSupplies(int nation, int theatre);
