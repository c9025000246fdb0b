#pragma once
// The outcome of an operation a user can make fail: done, or refused with a message that says
// why. Returned across layers instead of throwing.

#include <optional>
#include <string>
#include <utility>

namespace kovrin {

struct Status
{
    bool ok = true;
    std::string message;

    static Status success() { return {}; }
    static Status failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

template<typename T> struct Result
{
    std::optional<T> value;
    std::string message; // why there is no value

    static Result of(T v) { return {std::move(v), {}}; }
    static Result failure(std::string why) { return {std::nullopt, std::move(why)}; }
    explicit operator bool() const { return value.has_value(); }
    const T &operator*() const { return *value; }
};

} // namespace kovrin
