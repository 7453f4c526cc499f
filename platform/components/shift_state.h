#pragma once

#include <cstdint>

// Modifier keys and mouse buttons held during an input event.
using TShiftState = uint32_t;
constexpr TShiftState ssShift = 1u << 0;
constexpr TShiftState ssAlt = 1u << 1;
constexpr TShiftState ssCtrl = 1u << 2;
constexpr TShiftState ssLeft = 1u << 3;
constexpr TShiftState ssRight = 1u << 4;
constexpr TShiftState ssMiddle = 1u << 5;
constexpr TShiftState ssDouble = 1u << 6;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The modifier keys held right now, as the last input event left them.
TShiftState GetShiftState();
void SetShiftState(TShiftState keys);
