#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The readings as tool tips and screen readers say them: a value with its
// unit in the user's number format, and what each read-out box shows.
namespace gelvor {

// A gauge pressure, one decimal: "73,5 kPa".
QString pressure_reading(double kpa, const QLocale& locale);

// A temperature, one decimal: "23,4 ºC". Unset means no water flows.
QString temperature_reading(std::optional<double> celsius, const QLocale& locale);

// A water flow as its bar sets it: "Caudal de agua del evaporador: 4 g/s".
QString flow_reading(const QString& flow_name, int grams_per_second);

// The quantity a read-out box shows, named for a screen reader; empty for a
// target that is not a text box.
QString readout_description(const char* target);

}  // namespace gelvor
