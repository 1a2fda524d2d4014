#pragma once
// Whether a control shows its whole text, and the widening of a dialog whose
// translated texts need more room than its layout gives them. The Chinese
// layouts fit their texts already and are never touched.

#include <QStringList>
#include <QWidget>

// The texts a control will show later besides its current one (the street
// map's labels, the loading screen's steps); they are measured too.
void SetLaterTexts(QWidget* control, const QStringList& texts);

// A control whose caption is not meant to be read, such as a hidden hotspot
// smaller than its text in every language, is never measured.
void MarkAsHotspot(QWidget* control);
bool IsHotspot(const QWidget* control);

// True when the control's text, and each of its later texts, fits its
// rectangle: a static's wrapped lines in its height, a single word in its
// width; a button's, check box's or group box's caption in its width.
// Controls without text fit.
bool ShowsWholeText(const QWidget* control);

// Spreads client's controls and client itself horizontally, by the smallest
// step that lets every control show its whole text (at most twice the width).
// Returns the factor used: 1 when everything fits already.
double WidenToFitTexts(QWidget* client);

// Outside Chinese, widens the dialog once, just before it is first shown.
void FitTextsWhenShown(QWidget* dialog);
