#include "qt_platform.h"

#include <QGuiApplication>
#include <QRegularExpression>

#ifdef TARELIN_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace {

enum class Language { Other, Russian, English };

Language languageOfGroupName(const QString &name)
{
    if (name.startsWith(QStringLiteral("Russian")))
        return Language::Russian;
    if (name == QStringLiteral("English (US)") || name.startsWith(QStringLiteral("English (US,")))
        return Language::English;
    return Language::Other;
}

// "us", "ru(phonetic):2": a layout, its variant and its group.
Language languageOfSymbols(const QString &layout)
{
    if (layout == QStringLiteral("ru"))
        return Language::Russian;
    if (layout == QStringLiteral("us"))
        return Language::English;
    return Language::Other;
}

void note(KeyboardGroups &groups, Language language, int group)
{
    if (language == Language::Russian && groups.russian < 0)
        groups.russian = group;
    if (language == Language::English && groups.english < 0)
        groups.english = group;
}

} // namespace

KeyboardGroups FindKeyboardGroups(const QStringList &groupNames, const QString &symbols)
{
    KeyboardGroups groups;
    for (int group = 0; group < groupNames.size(); ++group)
        note(groups, languageOfGroupName(groupNames[group]), group);
    if (groups.russian >= 0 && groups.english >= 0)
        return groups;

    // The symbols name lists the layouts after the keyboard's model ("pc"):
    // the first without a group number is group 1, the others carry theirs
    // (":2"); the rest ("inet(evdev)") are no layouts.
    groups = {};
    static const QRegularExpression part(QStringLiteral("^([a-z]+)(\\([^)]*\\))?(?::([1-4]))?$"));
    bool firstSeen = false;
    for (const QString &name : symbols.split(u'+', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = part.match(name);
        if (!match.hasMatch() || match.captured(1) == QStringLiteral("pc"))
            continue;
        const QString number = match.captured(3);
        if (number.isEmpty() && firstSeen)
            continue;
        firstSeen = firstSeen || number.isEmpty();
        note(groups, languageOfSymbols(match.captured(1)), number.isEmpty() ? 0 : number.toInt() - 1);
    }
    return groups;
}

bool LockKeyboardLayout(unsigned layout)
{
#ifdef TARELIN_HAVE_X11
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return false;
    QStringList groupNames;
    QString symbols;
    if (XkbGetNames(display, XkbSymbolsNameMask | XkbGroupNamesMask, keyboard) == Success &&
        keyboard->names) {
        const auto atomName = [display](Atom atom) {
            if (atom == None)
                return QString();
            char *name = XGetAtomName(display, atom);
            const QString text = QString::fromUtf8(name);
            XFree(name);
            return text;
        };
        for (int group = 0; group < XkbNumKbdGroups; ++group)
            groupNames << atomName(keyboard->names->groups[group]);
        symbols = atomName(keyboard->names->symbols);
    }
    XkbFreeKeyboard(keyboard, 0, True);

    const KeyboardGroups groups = FindKeyboardGroups(groupNames, symbols);
    if (groups.russian < 0 || groups.english < 0)
        return false;
    const int group = layout == RussianKeyboardLayout ? groups.russian : groups.english;
    if (!XkbLockGroup(display, XkbUseCoreKbd, unsigned(group)))
        return false;
    XFlush(display);
    return true;
#else
    Q_UNUSED(layout);
    return false;
#endif
}
