#pragma once
// Errors of the database layer. They derive from AppError, so an error that
// no handler catches lands in the application's default error box with its
// text, as every other handler error does.

#include "AppError.h"

// Engine error codes that callers test. Windows written against the old
// engine compare with these numbers, so they keep their values.
namespace EngineCode {
inline constexpr int None = 0;
inline constexpr int KeyViolation = 9729;  // a unique index already holds the key
inline constexpr int RequiredField = 9732; // a field that must have a value is empty
} // namespace EngineCode

// A misuse of a dataset (wrong state, unknown field, bad filter).
class EDatabaseError : public AppError
{
public:
    using AppError::AppError;
};

// An error reported by the storage engine, with its engine code.
class EDBEngineError : public EDatabaseError
{
public:
    EDBEngineError(int errorCode, const QString& message)
        : EDatabaseError(message), m_errorCode(errorCode)
    {
    }
    int ErrorCode() const { return m_errorCode; }

private:
    int m_errorCode;
};

// A text that is no valid number where a number is needed.
class EConvertError : public AppError
{
public:
    using AppError::AppError;
};
