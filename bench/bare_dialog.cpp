// The yardstick of the window measurements: the least a Qt Widgets program
// does to show one dialog.

#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("bare"));
    dialog.show();
    return app.exec();
}
