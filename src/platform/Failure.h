#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <variant>

namespace gw {

// What went wrong, in the words the user is shown: the message box caption and its text.
struct Failure
{
    std::string caption;
    std::string text;

    bool operator==(const Failure &) const = default;
};

// A report of success that the window shows as it shows a Failure: caption and text.
struct Notice
{
    std::string caption;
    std::string text;

    bool operator==(const Notice &) const = default;
};

// A value or the Failure that prevented it.  The windows show the Failure unchanged.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_state(std::move(value))
    { }
    Result(Failure failure)
        : m_state(std::move(failure))
    { }

    explicit operator bool() const { return std::holds_alternative<T>(m_state); }
    bool hasValue() const { return std::holds_alternative<T>(m_state); }

    T &value() { return std::get<T>(m_state); }
    const T &value() const { return std::get<T>(m_state); }
    T &operator*() { return value(); }
    const T &operator*() const { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }

    const Failure &error() const { return std::get<Failure>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

// Another writer kept the file locked for longer than a writer waits (see WriterLock.h).
inline Failure fileBusy(const std::filesystem::path &file)
{
    return { "Error",
        "Another program is writing to \"" + file.filename().string()
            + "\" at the moment, so nothing was written.  Please try again." };
}

struct Done
{
    bool operator==(const Done &) const = default;
};

// The result of an operation that yields nothing but may fail.
using Status = Result<Done>;

inline Status ok()
{
    return Done {};
}

} // namespace gw
