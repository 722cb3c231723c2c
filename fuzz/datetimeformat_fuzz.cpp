#include "core/text/datetimeformat.h"
#include "fuzz/fuzzsupport.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace pagoranto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    DateTime time;
    // Dates come from the clock, so they are valid ones; the patterns come from option files.
    time.year = provider.ConsumeIntegralInRange(1, 9999);
    time.month = provider.ConsumeIntegralInRange(1, 12);
    time.day = provider.ConsumeIntegralInRange(1, 28);
    time.hour = provider.ConsumeIntegralInRange(0, 23);
    time.minute = provider.ConsumeIntegralInRange(0, 59);
    time.second = provider.ConsumeIntegralInRange(0, 59);
    time.millisecond = provider.ConsumeIntegralInRange(0, 999);
    DateTimeFormats formats;
    formats.dateSeparator = provider.ConsumeIntegral<char>();
    formats.timeSeparator = provider.ConsumeIntegral<char>();
    formats.shortDateFormat = provider.ConsumeRandomLengthString(64);
    formats.longTimeFormat = provider.ConsumeRandomLengthString(64);
    const std::string pattern = provider.ConsumeRemainingBytesAsString();
    FormatDateTime(pattern, time, formats);
    FormatDate(time, formats);
    FormatTime(time, formats);
    FormatDateEnglish(time, formats);
    FormatDateGerman(time, formats);
    DayOfWeek(time);
    return 0;
}
