// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one way anything that can fail says so: a Result holds either the value asked
// for or an error that carries where and why. Each family of errors has one function
// that turns an error into the sentence the user sees: describeFileError for every
// error of a file's reading or replacing, describeReadError for a team file's contents
// (its file errors said by describeFileError), describeOrdersFileError for an orders
// file's, describeOrdersError for the checks and the writing of the orders.

#include <cassert>
#include <utility>
#include <variant>

namespace teamtool {

template <class T, class E>
class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : m_state(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value of a Result that holds one: asking an error for it is the caller's
    // mistake, caught by an assertion, never an exception to handle.
    T& value() & { return *valueIf(); }
    const T& value() const& { return *valueIf(); }
    T&& value() && { return std::move(*valueIf()); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // The error of a Result that holds one, likewise.
    const E& error() const& { return *errorIf(); }
    E& error() & { return *errorIf(); }
    E&& error() && { return std::move(*errorIf()); }

private:
    T* valueIf()
    {
        assert(ok() && "the value of a Result that holds an error");
        return std::get_if<0>(&m_state);
    }
    const T* valueIf() const
    {
        assert(ok() && "the value of a Result that holds an error");
        return std::get_if<0>(&m_state);
    }
    E* errorIf()
    {
        assert(!ok() && "the error of a Result that holds a value");
        return std::get_if<1>(&m_state);
    }
    const E* errorIf() const
    {
        assert(!ok() && "the error of a Result that holds a value");
        return std::get_if<1>(&m_state);
    }

    std::variant<T, E> m_state;
};

// Success with nothing to hand back, or the error: `return {};` succeeds.
template <class E>
class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    Result(E error) : m_state(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const E& error() const& { return *errorIf(); }
    E& error() & { return *errorIf(); }
    E&& error() && { return std::move(*errorIf()); }

private:
    E* errorIf()
    {
        assert(!ok() && "the error of a Result that holds no error");
        return std::get_if<1>(&m_state);
    }
    const E* errorIf() const
    {
        assert(!ok() && "the error of a Result that holds no error");
        return std::get_if<1>(&m_state);
    }

    std::variant<std::monostate, E> m_state;
};

}  // namespace teamtool
