#include "common/errors.h"

namespace tavrel {

namespace {

const char *KindText(ArithmeticError::Kind kind)
{
    switch (kind) {
    case ArithmeticError::Kind::Overflow:
        return "Overflow";
    case ArithmeticError::Kind::DivisionByZero:
        return "Division by zero";
    case ArithmeticError::Kind::InvalidOperation:
        return "Invalid floating-point operation";
    }
    return "Arithmetic error";
}

} // namespace

ArithmeticError::ArithmeticError(Kind kind) : std::runtime_error(KindText(kind)), m_kind(kind) {}

} // namespace tavrel
