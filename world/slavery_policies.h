#pragma once
// The two slavery policies. Each is taken once, by the player in the manpower
// dialog or by a computer side through its policy check, and applies its whole
// effect, notice included, at once.

// The Confederacy puts slaves into combat roles (policy status 1, maturing
// monthly to 10).
void AdoptCombatRoles();

// The Union proclaims emancipation (policy status 11).
void ProclaimEmancipation();
