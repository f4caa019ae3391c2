#pragma once

#include <QString>
#include <optional>
#include <utility>

// Why an operation failed: an English reason for the log and, where a user is told, the
// translated text of the message box.
struct Failure
{
    QString reason;
    QString text;
};

// The value of an operation that may fail, or why it failed. Every load, parse, store and
// export of the core reports this way; the screens decide what the user sees.
template <typename T>
class [[nodiscard]] Result
{
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }

    // Empty on success.
    const Failure& failure() const { return failure_; }

private:
    std::optional<T> value_;
    Failure failure_;
};

template <>
class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : ok_(false), failure_(std::move(failure)) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Failure& failure() const { return failure_; }

private:
    bool ok_ = true;
    Failure failure_;
};

using Outcome = Result<void>;
