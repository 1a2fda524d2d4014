#pragma once
// The news dialog (template 138): a picture and one centred text.

#include <QDialog>
#include <QString>

class CNewsDlg : public QDialog {
    Q_OBJECT
public:
    CNewsDlg(const QString& text, QWidget* parent);
};
