#include "calc/descent.h"

#include "common/errors.h"
#include "common/numbers.h"

#include <algorithm>
#include <cmath>

namespace tavrel {

namespace {

// Constants with the exact value and precision of each step.
constexpr float kReciprocalOffsetDeg = 180.0f; // wind "from" -> wind "to"
constexpr double kRadiansPerDegree = 0.017454; // not pi/180: shows in the 4th digit
constexpr float kIasStepFeet = 1750.0f;        // altitude per IAS correction step
constexpr double kIasCorrectionPerStep = 0.02; // 2 % per step
constexpr float kMinutesPerHour = 60.0f;
constexpr std::size_t kResultWidth = 5; // characters shown in the result box

// The floating-point check after a step: a NaN is an invalid operation, an
// infinity an overflow (an infinite input counts as the overflow it came from).
template <typename T> T Checked(T value)
{
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    if (std::isinf(value))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return value;
}

template <typename T> T CheckedDivide(T dividend, T divisor)
{
    if (divisor == 0)
        throw ArithmeticError(dividend == 0 || std::isnan(dividend)
                                  ? ArithmeticError::Kind::InvalidOperation
                                  : ArithmeticError::Kind::DivisionByZero);
    return Checked(dividend / divisor);
}

} // namespace

std::optional<double> ComputeDescentDistance(const DescentInputs &in)
{
    // Ground speed: the wind's component along the heading, added to the airspeed.
    const float angleDeg = Checked(in.headingDeg - (in.windDirectionDeg + kReciprocalOffsetDeg));
    const double angleRad = Checked(static_cast<double>(angleDeg) * kRadiansPerDegree);
    const double groundSpeed = Checked(std::cos(angleRad) * in.windSpeedKt + in.airspeedKt);

    // Airspeed kind. Both tests are made, in this order; with neither option
    // selected the speed stays 0.
    double speed = 0.0;
    if (in.iasSelected) {
        const float steps = (in.startAltitudeFt - in.targetAltitudeFt) / kIasStepFeet;
        speed = Checked(groundSpeed * (static_cast<double>(steps) * kIasCorrectionPerStep) +
                        groundSpeed);
    }
    if (in.tasSelected)
        speed = groundSpeed;

    // The difference is taken exactly, then narrowed to single with an overflow check.
    const float difference = Checked(ToSingle(static_cast<double>(in.startAltitudeFt) -
                                              static_cast<double>(in.targetAltitudeFt)));
    if (difference == 0.0f)
        return std::nullopt;

    const float minutes = CheckedDivide(difference, in.verticalSpeedFtPerMin);
    const float speedFactor = CheckedDivide(kMinutesPerHour, minutes);
    return CheckedDivide(speed, static_cast<double>(speedFactor));
}

std::string DistanceText(std::optional<double> distance)
{
    const std::string text = NumberToSignedText(distance.value_or(0.0));
    const std::size_t exponent = text.find('E');
    if (exponent != std::string::npos) {
        // Below 1 the mantissa alone would read as a number from 1 to 9.99.
        const bool belowOne = text[exponent + 1] == '-';
        return belowOne ? " 0" : text;
    }
    const std::size_t integerEnd = std::min(text.find('.'), text.size());
    if (integerEnd > kResultWidth)
        return text.substr(0, integerEnd);
    return text.substr(0, kResultWidth);
}

} // namespace tavrel
