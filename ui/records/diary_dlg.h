#pragma once
// The diary dialog (template 142): a picture and up to three lines.

#include <QDialog>
#include <QString>

class CDiaryDlg : public QDialog {
    Q_OBJECT
public:
    CDiaryDlg(const QString& bottomLine, const QString& topLine, const QString& middleLine,
              QWidget* parent);
};
