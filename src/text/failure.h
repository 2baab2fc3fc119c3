// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace Brolant {

// Why something could not be done: in English for the error log, and for the user in the
// windows' language where its words are translated.
struct Failure
{
    QString description;
    QString shown = {}; // empty when the windows show the description as it is

    // The reason as a window shows it.
    const QString &forUser() const { return shown.isEmpty() ? description : shown; }

    // A reason marked with QT_TRANSLATE_NOOP in `context`; `fill` puts the same values into the
    // English and the translated words.
    template <typename Fill>
    static Failure translated(const char *context, const char *text, Fill fill)
    {
        Failure failure{fill(QString::fromUtf8(text)), fill(QCoreApplication::translate(context, text))};
        if (failure.shown == failure.description)
            failure.shown.clear();
        return failure;
    }

    static Failure translated(const char *context, const char *text)
    {
        return translated(context, text, [](const QString &words) { return words; });
    }

    bool operator==(const Failure &) const = default;
};

// What a step that can fail returns to the caller that handles it: the value, or the failure
// with its reason. Exceptions are kept for a failure that crosses a logging stage's one catch
// point; everywhere else a failure travels as this.
template <typename T = void>
class [[nodiscard]] Result
{
public:
    Result(T value) : m_outcome(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_outcome(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_outcome.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    const T &value() const & { return std::get<0>(m_outcome); }
    T &value() & { return std::get<0>(m_outcome); }
    T &&value() && { return std::get<0>(std::move(m_outcome)); }
    const T &operator*() const & { return value(); }
    const T *operator->() const { return &value(); }
    T valueOr(T fallback) const { return ok() ? value() : std::move(fallback); }

    // The next step on the value, or this failure passed on: `step` is given a T and returns a Result.
    template <typename Step>
    auto andThen(Step step) const -> decltype(step(std::declval<const T &>()))
    {
        if (!ok())
            return failure();
        return step(value());
    }

    // Only when !ok().
    const Failure &failure() const { return std::get<1>(m_outcome); }

    bool operator==(const Result &) const = default;

private:
    std::variant<T, Failure> m_outcome;
};

// A step that gives nothing back: done, or the failure.
template <>
class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure; }
    explicit operator bool() const { return ok(); }

    // The next step, or this failure passed on: `step` is given nothing and returns a Result.
    template <typename Step>
    auto andThen(Step step) const -> decltype(step())
    {
        if (!ok())
            return failure();
        return step();
    }

    // Only when !ok().
    const Failure &failure() const { return *m_failure; }

    bool operator==(const Result &) const = default;

private:
    std::optional<Failure> m_failure;
};

// Puts the value of `result` into `into`, or passes its failure on with `into` unchanged.
template <typename Into, typename T>
Result<> assignTo(Into &into, Result<T> result)
{
    if (!result)
        return result.failure();
    into = Into(std::move(result).value());
    return {};
}

// Where a failure goes on to a logging stage's one catch point: the value, or the failure thrown.
template <typename T>
T orThrow(Result<T> result)
{
    if (!result)
        throw result.failure();
    return std::move(result).value();
}
inline void orThrow(const Result<> &result)
{
    if (!result)
        throw result.failure();
}

} // namespace Brolant
