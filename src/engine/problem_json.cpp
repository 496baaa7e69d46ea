#include "problem_json.h"

#include <algorithm>

namespace problem_json {

namespace {

// The data sets by the key of the file, as the student knows them.
QString russianDataSetName(const QString &key)
{
    const QString root = key.section(u'.', 0, 0).section(u'[', 0, 0);
    static const std::pair<const char *, const char *> names[] = {
        {"student", "фамилия и группа"},
        {"components", "наименования компонентов"},
        {"equilibrium", "равновесные данные"},
        {"feed", "параметры питания"},
        {"mixing_heat", "теплоты смешения"},
        {"vapour_heat_capacity", "теплоемкости компонентов в газообразном состоянии"},
        {"vaporization_heat", "теплоты испарения"},
        {"solution_heat_capacity", "теплоемкость раствора"},
    };
    for (const auto &[file, russian] : names)
        if (root == QLatin1String(file))
            return QString::fromUtf8(russian);
    return {};
}

TypeName typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return {"null", "null"};
    case QJsonValue::Bool:
        return {"true/false", "true/false"};
    case QJsonValue::Double:
        return NumberType;
    case QJsonValue::String:
        return TextType;
    case QJsonValue::Array:
        return ArrayType;
    case QJsonValue::Object:
        return ObjectType;
    case QJsonValue::Undefined:
        break;
    }
    return {"nothing", "ничего"};
}

} // namespace

QString russianPlace(const QString &key)
{
    const QString name = russianDataSetName(key);
    return name.isEmpty() ? key : QStringLiteral("%1 (%2)").arg(name, key);
}

[[noreturn]] void refuse(const QString &key, const QString &reason, const QString &russianReason)
{
    throw Refusal{key + QStringLiteral(": ") + reason,
                  russianPlace(key) + QStringLiteral(": ") + russianReason};
}

[[noreturn]] void refuseType(const Key &key, TypeName expected, const QJsonValue &value)
{
    const TypeName found = typeName(value);
    refuse(key.text(),
           QStringLiteral("%1 expected, found %2")
               .arg(QLatin1String(expected.english), QLatin1String(found.english)),
           QStringLiteral("нужен %1, а записан %2")
               .arg(QString::fromUtf8(expected.russian), QString::fromUtf8(found.russian)));
}

[[noreturn]] void refuseMissing(const QString &key)
{
    refuse(key, QStringLiteral("missing"), QStringLiteral("нет этих данных"));
}

QJsonValue required(const QJsonObject &object, const Key &key)
{
    const auto found = object.constFind(key.name);
    if (found == object.constEnd())
        refuseMissing(key.text());
    return found.value();
}

bool isAbsent(const QJsonValue &value)
{
    return value.isUndefined() || value.isNull();
}

void onlyKnownKeys(const QJsonObject &object, const Key *key, std::initializer_list<QLatin1String> known)
{
    for (auto member = object.constBegin(); member != object.constEnd(); ++member) {
        if (std::find(known.begin(), known.end(), member.key()) == known.end()) {
            const QString prefix = key ? key->text() + u'.' : QString();
            refuse(prefix + member.key(), QStringLiteral("unknown key"), QStringLiteral("неизвестный ключ"));
        }
    }
}

QJsonObject objectAt(const QJsonValue &value, const Key &key)
{
    if (!value.isObject())
        refuseType(key, ObjectType, value);
    return value.toObject();
}

QString textAt(const QJsonValue &value, const Key &key)
{
    if (!value.isString())
        refuseType(key, TextType, value);
    return value.toString();
}

QJsonArray countedArray(const QJsonValue &value, const Key &key, int least, int most, const Noun &noun)
{
    if (!value.isArray())
        refuseType(key, ArrayType, value);
    const QJsonArray array = value.toArray();
    const qsizetype count = array.size();
    if (count < least || count > most) {
        const QString found =
            QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? noun.one : noun.many));
        const QString expected =
            least == most ? QString::number(least) : QStringLiteral("%1..%2").arg(least).arg(most);
        const QString russianExpected =
            least == most ? QString::number(least) : QStringLiteral("от %1 до %2").arg(least).arg(most);
        refuse(key.text(), QStringLiteral("%1, %2 expected").arg(found, expected),
               QStringLiteral("%1 %2, а нужно %3").arg(count).arg(noun.russian(count), russianExpected));
    }
    return array;
}

QString componentKey(const char *key, int k)
{
    return QStringLiteral("%1[%2] (%3 volatile component)")
        .arg(QLatin1String(key))
        .arg(k - 1)
        .arg(k == 1 ? QLatin1String("more") : QLatin1String("less"));
}

QString jsonErrorMessage(const QByteArray &json, const QJsonParseError &error, bool russian)
{
    const QByteArray before = json.left(error.offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
    return (russian ? QStringLiteral("это не файл задачи: в нём не текст JSON (%1, строка %2, позиция %3)")
                    : QStringLiteral("not valid JSON: %1 at line %2, column %3"))
        .arg(error.errorString())
        .arg(line)
        .arg(column);
}

} // namespace problem_json
