#include "platform/Clock.h"

namespace Clock {
namespace {
std::optional<QDate> &fixedDay() {
    static std::optional<QDate> day;
    return day;
}
} // namespace

QDate today() {
    return fixedDay() ? *fixedDay() : QDate::currentDate();
}

void setToday(std::optional<QDate> day) {
    fixedDay() = day;
}

} // namespace Clock
