#pragma once

#include <QString>

// The system's short date with a four-digit year (the report's date text
// takes the year from the last four characters), and its short time.
QString SystemShortDate();
QString SystemShortTime();
