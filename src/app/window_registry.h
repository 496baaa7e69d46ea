#pragma once

#include <QList>
#include <QString>

class FormBase;

// The loaded windows of the program in the order they were loaded.
QList<FormBase *> LoadedForms();
// The loaded window with this design name (Form1..Form49), or null.
FormBase *FindForm(const QString &name);
template <typename Form> Form *FindForm(const QString &name)
{
    return dynamic_cast<Form *>(FindForm(name));
}

// Unloads the earliest loaded windows until one is left: the newest one
// survives, so that screens do not pile up.
void CloseOtherForms();
// Unloads every window (the end of the program).
void CloseAllForms();

// Used by FormBase itself.
void RegisterForm(FormBase *form);
void UnregisterForm(FormBase *form);
