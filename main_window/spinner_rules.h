// The rules that turn a spinner's value v into the value its box shows.
//
// Every rule subtracts v from a constant, so the value shown rises when the
// spinner's value falls (its upper arrow). The 16-bit steps are checked and
// throw ArithmeticError(Overflow) outside -32768..32767; the steps done in
// double precision are exact for every 16-bit v.
#pragma once

#include <cstdint>

namespace tavrel {

// (30000 - v) x 2 + 2000, feet: 62000 at v = 0, 2000 at v = 30000, steps of 100 for 50.
double StartAltitudeFeet(std::int16_t v);
// 26000 - v, feet.
double TargetAltitudeFeet(std::int16_t v);
// (10000 - v) + 100, feet per minute: 10000 at v = 100, 100 at v = 10000.
double VerticalSpeedFeetPerMin(std::int16_t v);
// (800 - v) + 50, knots: 850 at v = 0, 50 at v = 800.
double AirspeedKnots(std::int16_t v);
// (359 - v) + 1, degrees 1..360 (never 0): heading and wind direction alike.
double DirectionDeg(std::int16_t v);
// 199 - v, knots.
double WindSpeedKnots(std::int16_t v);

} // namespace tavrel
