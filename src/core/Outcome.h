#pragma once

#include <QString>

#include <utility>
#include <variant>

// Why an operation failed, in words for the user.
struct Failure
{
    QString message;
};

// The value of an operation that may fail, or the reason it failed.
template <typename T>
class [[nodiscard]] Outcome
{
public:
    Outcome(T value) : m_state(std::move(value)) {}
    Outcome(Failure failure) : m_state(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T &value() const { return std::get<T>(m_state); }
    T &value() { return std::get<T>(m_state); }
    const T &operator*() const { return value(); }
    T &operator*() { return value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }

    // Empty when the operation succeeded.
    QString error() const { return ok() ? QString() : std::get<Failure>(m_state).message; }
    // The reason of a failed operation, passed on as the reason of the caller's.
    Failure failure() const { return {error()}; }

private:
    std::variant<T, Failure> m_state;
};

template <>
class [[nodiscard]] Outcome<void>
{
public:
    Outcome() = default;
    Outcome(Failure failure) : m_error(std::move(failure.message)), m_failed(true) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &error() const { return m_error; }
    Failure failure() const { return {m_error}; }

private:
    QString m_error;
    bool m_failed = false;
};
