#include "platform/posix/LocalTime.h"

#include <algorithm>
#include <clocale>
#include <ctime>

#include <langinfo.h>

int LocalSecondOfDay() {
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0;
    // A leap second counts as its minute's last.
    return (local.tm_hour * 60 + local.tm_min) * 60 + std::min(local.tm_sec, 59);
}

LocaleTimeWords ReadLocaleTimeWords() {
    static const bool localeTaken = std::setlocale(LC_TIME, "") != nullptr;
    static_cast<void>(localeTaken);
    return {nl_langinfo(T_FMT), nl_langinfo(AM_STR), nl_langinfo(PM_STR)};
}
