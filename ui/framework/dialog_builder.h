#pragma once
// Builds a dialog's controls from its template and finds them again by ID.

#include <QString>
#include <QWidget>

#include <functional>

#include "ui/framework/dialog_template.h"

class QDialog;

// Creates the widget for a control itself, or returns nullptr to let the
// builder make the standard one.
using ControlFactory = std::function<QWidget*(const ControlSpec&, QWidget* parent)>;

// Creates the template's controls as children of client, laid out in pixels
// from client's font, and gives client the template's size.
void BuildControls(QWidget* client, const DialogTemplate& dialogTemplate,
                   const ControlFactory& custom = {});

// A plain dialog on a template: dialog font, caption, controls, fixed size.
void SetUpDialog(QDialog* dialog, const DialogTemplate& dialogTemplate);

QWidget* FindControl(const QWidget* dialog, int id);

template <class T>
T* control(const QWidget* dialog, int id)
{
    return qobject_cast<T*>(FindControl(dialog, id));
}

// Sets the text of a static, button, group box or edit found by ID.
void SetControlText(const QWidget* dialog, int id, const QString& text);
