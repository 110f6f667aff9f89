#pragma once

#include <QString>

#include <utility>

namespace twindle::family {

// A value, or the sentence that tells a parent why there is none.
template <typename T>
struct Checked {
    T value{};
    QString error;  // empty when `value` holds the answer

    bool ok() const { return error.isEmpty(); }
};

template <typename T>
Checked<T> refused(QString why)
{
    return {T{}, std::move(why)};
}

} // namespace twindle::family
