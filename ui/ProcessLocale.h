#pragma once
namespace vartel {

// "." becomes the decimal separator of all number formatting and parsing in the process, whatever the
// regional settings: Qt's default locale and the C library's numeric locale.
void UseDecimalPointEverywhere();

} // namespace vartel
