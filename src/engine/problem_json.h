#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLatin1String>
#include <QString>

#include <initializer_list>

// Reading the JSON of a problem file, and the messages that say in the
// file's words and in the student's where a file is faulty. Every reading
// function throws Refusal for a value it cannot take.
namespace problem_json {

// Thrown while reading: the file cannot be opened, for the reason given in
// English (batch mode) and in Russian (the windows).
struct Refusal {
    QString message;
    QString russian;
};

// Where a value sits in the file ("solution_heat_capacity[1].points[0][1]").
// Keys are chained on the stack and only spelled out for a message, so that
// reading a file builds no strings for them.
struct Key {
    const Key *parent = nullptr;
    QLatin1String name;
    qsizetype index = -1;

    QString text() const
    {
        QString result = parent ? parent->text() : QString();
        if (index >= 0)
            return result + u'[' + QString::number(index) + u']';
        if (!result.isEmpty())
            result += u'.';
        return result + name;
    }
    Key operator/(QLatin1String member) const { return Key{this, member}; }
    Key operator[](qsizetype element) const { return Key{this, {}, element}; }
};

// A JSON type as the messages name it.
struct TypeName {
    const char *english;
    const char *russian;
};
constexpr TypeName ObjectType{"an object", "объект"};
constexpr TypeName TextType{"a text", "текст"};
constexpr TypeName ArrayType{"an array", "массив"};
constexpr TypeName NumberType{"a number", "число"};

// What an array holds, in English and in the three Russian forms that follow
// a number (1 точка, 2 точки, 5 точек).
struct Noun {
    const char *one, *many;
    const char *russianOne, *russianFew, *russianMany;

    QString russian(qsizetype count) const
    {
        const qsizetype lastTwo = count % 100, last = count % 10;
        const char *form = (lastTwo >= 11 && lastTwo <= 14) ? russianMany
                           : last == 1                      ? russianOne
                           : (last >= 2 && last <= 4)       ? russianFew
                                                            : russianMany;
        return QString::fromUtf8(form);
    }
};
constexpr Noun Points{"point", "points", "точка", "точки", "точек"};
constexpr Noun Values{"value", "values", "значение", "значения", "значений"};
constexpr Noun Names{"name", "names", "наименование", "наименования", "наименований"};
constexpr Noun Tables{"table", "tables", "таблица", "таблицы", "таблиц"};
constexpr Noun Temperatures{"temperature", "temperatures", "температура", "температуры", "температур"};

[[noreturn]] void refuse(const QString &key, const QString &reason, const QString &russianReason);
[[noreturn]] void refuseType(const Key &key, TypeName expected, const QJsonValue &value);
[[noreturn]] void refuseMissing(const QString &key);

// "равновесные данные (equilibrium.points)": where the fault is, in the
// student's words and in the file's.
QString russianPlace(const QString &key);

// The value under key, refused when it is missing.
QJsonValue required(const QJsonObject &object, const Key &key);
// An optional data set written as null counts as absent.
bool isAbsent(const QJsonValue &value);
// A misspelt key would otherwise drop an optional data set without a word.
void onlyKnownKeys(const QJsonObject &object, const Key *key, std::initializer_list<QLatin1String> known);
QJsonObject objectAt(const QJsonValue &value, const Key &key);
QString textAt(const QJsonValue &value, const Key &key);
// An array of least..most elements.
QJsonArray countedArray(const QJsonValue &value, const Key &key, int least, int most, const Noun &noun);

// The key of a component's table ("vaporization_heat[1] (less volatile component)").
QString componentKey(const char *key, int k);

// Where the text is not JSON at all, in English or in Russian.
QString jsonErrorMessage(const QByteArray &json, const QJsonParseError &error, bool russian);

} // namespace problem_json
