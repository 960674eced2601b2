#include "main_window/spinner_rules.h"

#include "common/int16.h"

namespace tavrel {

double StartAltitudeFeet(std::int16_t v)
{
    return static_cast<double>(Sub16(30000, v)) * 2.0 + 2000.0;
}

double TargetAltitudeFeet(std::int16_t v) { return Sub16(26000, v); }

double VerticalSpeedFeetPerMin(std::int16_t v) { return Add16(Sub16(10000, v), 100); }

double AirspeedKnots(std::int16_t v) { return Add16(Sub16(800, v), 50); }

double DirectionDeg(std::int16_t v) { return static_cast<double>(Sub16(359, v)) + 1.0; }

double WindSpeedKnots(std::int16_t v) { return Sub16(199, v); }

} // namespace tavrel
