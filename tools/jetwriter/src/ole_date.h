// Dates as Jet keeps them: days since 1899-12-30, the time of day as the fraction.
#ifndef JETWRITER_OLE_DATE_H
#define JETWRITER_OLE_DATE_H

#include <string>

namespace jetwriter {

double ole_date(int year, int month, int day, int hour, int minute, int second);

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS"; false when the
// text is none of these or names no real date and time.
bool parse_ole_date(const std::string& text, double& date);

double ole_date_now();

}  // namespace jetwriter

#endif
