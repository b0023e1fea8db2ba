#pragma once

#include <QDate>
#include <optional>

// Today's local date; tests fix it.
namespace Clock {

QDate today();

// A fixed today (tests); std::nullopt goes back to the system clock.
void setToday(std::optional<QDate> day);

} // namespace Clock
