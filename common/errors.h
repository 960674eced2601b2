// Arithmetic faults of the program's own calculations.
//
// Every fault the number rules can meet is one of three kinds; what() names the
// kind in the words shown to the user ("Overflow", "Division by zero", ...).
#pragma once

#include <stdexcept>

namespace tavrel {

class ArithmeticError : public std::runtime_error
{
public:
    enum class Kind { Overflow, DivisionByZero, InvalidOperation };

    explicit ArithmeticError(Kind kind);

    Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

} // namespace tavrel
