#pragma once

#include <optional>
#include <string>
#include <utility>

namespace corrolab {

// Why an input cannot be used: the field it concerns (a short key the window maps
// to the control) and a message for the user.
struct InputError
{
    std::string field;
    std::string message;
};

// A calculated value, or the reason there is none.
template <typename T> class Checked
{
public:
    Checked(T value)
        : value_(std::move(value))
    { }
    Checked(InputError error)
        : error_(std::move(error))
    { }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    const InputError& error() const { return error_; }

private:
    std::optional<T> value_;
    InputError error_;
};

} // namespace corrolab
