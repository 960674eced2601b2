// The descent distance: the reason the program exists.
//
// ComputeDescentDistance turns the seven inputs and the airspeed kind into the
// ground distance, in nautical miles, that a descent covers. Every step keeps
// the precision the calculator has always used (some in single, some in double
// precision, pi/180 written as 0.017454): pilots compare the figure shown with
// the one they know, to the last digit.
#pragma once

#include <optional>
#include <string>

namespace tavrel {

struct DescentInputs
{
    float startAltitudeFt;
    float targetAltitudeFt;
    float verticalSpeedFtPerMin;
    float airspeedKt; // indicated or true
    float headingDeg;
    float windDirectionDeg; // where the wind comes from
    float windSpeedKt;
    bool iasSelected; // airspeed is indicated: raise it 2 % per 1750 feet descended
    bool tasSelected; // airspeed is true: use it as it is
};

// The distance in nautical miles, or no value when the two altitudes are equal.
// Throws ArithmeticError (a std::runtime_error) on a division by zero, an
// overflow or an invalid operation in any step; the vertical speed 0 with two
// different altitudes is the plain case.
std::optional<double> ComputeDescentDistance(const DescentInputs &inputs);

// The text shown in the result box: the first five characters of the signed
// text of the distance (" 81.7", "-53.3", " .439"; no value gives " 0"). Where
// those five would misstate the magnitude the text keeps it instead: every
// digit before the point from 10000 up (" 12345"), " 0" for a magnitude below 1
// written with an exponent, and the whole text for one too large for plain
// notation.
std::string DistanceText(std::optional<double> distance);

} // namespace tavrel
