#pragma once

class QLineEdit;

// Makes every key a student may use for the decimal point type "." into a
// number's field, whichever keyboard layout is on: the period and comma keys
// of the US layout give "ю" and "б" in the Russian one, the Russian period
// key gives "/" in the US one, and the keypad's decimal key gives "," in the
// Russian one. Nothing else typed changes (a comma typed as such is the
// decimal comma the number reader knows).
void TypeDecimalPointFromAnyLayout(QLineEdit *edit);
