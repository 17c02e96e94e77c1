#pragma once
#include "BaseExport.h"

// Seconds as display texts, in temporary strings from UStringBuffer.
//
// - Format: a position on a time axis to a tenth of a second, "m:ss.t", or "h:mm:ss.t"
//   from one hour on (83.45 gives "1:23.4", 3723 gives "1:02:03.0"); negative times get a
//   leading "-". Tenths are cut, not rounded, so the text changes when the position
//   crosses a tenth.
// - FormatTime: a running clock, "hh:mm:ss" (83 gives "00:01:23"; hours go past 99).
// - FullFormat: a duration in words for sentences such as "Estimated time left: ...",
//   naming the non-zero hours, minutes and seconds ("1 hour 2 minutes 5 seconds",
//   "1 minute", "0 seconds").
// FormatTime and FullFormat count whole seconds and treat negative times as 0; all three
// treat a value that is not a finite number as 0, and show times beyond 1e17 seconds
// (about three billion years) as 1e17 seconds.
class TNWBS_CLASS UTimecodeUtils {
public:
    static char* Format(double seconds);
    static char* FormatTime(double seconds);
    static char* FullFormat(double seconds);
};
