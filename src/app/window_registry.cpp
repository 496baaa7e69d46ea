#include "window_registry.h"

#include "form_base.h"

namespace {
QList<FormBase *> &loadedForms()
{
    static QList<FormBase *> forms;
    return forms;
}
} // namespace

QList<FormBase *> LoadedForms()
{
    return loadedForms();
}

FormBase *FindForm(const QString &name)
{
    for (FormBase *form : loadedForms())
        if (form->objectName() == name)
            return form;
    return nullptr;
}

void CloseOtherForms()
{
    while (loadedForms().size() > 1)
        loadedForms().first()->unload();
}

void CloseAllForms()
{
    while (!loadedForms().isEmpty())
        loadedForms().first()->unload();
}

void RegisterForm(FormBase *form)
{
    loadedForms().append(form);
}

void UnregisterForm(FormBase *form)
{
    loadedForms().removeAll(form);
}
