#pragma once

#include "thermal_data_set.h"

#include <QString>
#include <optional>

// A count of points or temperatures at x 2300, asked again after the
// "ОШИБКА !" box until it fits; "Нет" there ends the program.
int PromptTableCount(const CountQuestion &question);

// A temperature typed as it is stored: the normalised text and its number.
struct TypedTemperature {
    QString text;
    float value = 0.0f;
};

// A single temperature at (x, y), asked again after the "ОШИБКА !" box until
// it is a number that inRange accepts; "Нет" there ends the program.
TypedTemperature PromptTemperature(const QString &title, const QString &prompt, int x, int y,
                                   const QString &message, bool (*inRange)(float));
// The same for a temperature already stored; nothing when the student
// cancelled, and the stored temperature then stays as it was.
std::optional<TypedTemperature> CorrectTemperature(const QString &title, const QString &prompt, int x, int y,
                                                   const QString &message, bool (*inRange)(float));
