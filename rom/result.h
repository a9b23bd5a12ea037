#pragma once

#include "rom/outcome.h"

#include <utility>
#include <variant>

// A value, or the outcome that says why there is none: the one way a failure that also has a
// value to give leaves a module. An Outcome alone is returned where there is no value.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_held(std::in_place_index<0>, std::move(value)) {}
    Result(Outcome failure) : m_held(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_held.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& operator*() & { return std::get<0>(m_held); }
    const T& operator*() const& { return std::get<0>(m_held); }
    // The value of a result no longer needed, taken out of it: auto image = *OpenRomImage(path).
    T&& operator*() && { return std::get<0>(std::move(m_held)); }
    T* operator->() { return &std::get<0>(m_held); }
    const T* operator->() const { return &std::get<0>(m_held); }
    // Why there is no value; only for a result that is not ok().
    const Outcome& failure() const { return std::get<1>(m_held); }

private:
    std::variant<T, Outcome> m_held;
};
