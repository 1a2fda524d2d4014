// The yardstick of the window measurements: the least a Qt Widgets program
// does to show one dialog. Given a text, the dialog shows it in one label, the
// second yardstick: what showing any (Chinese) text costs, fontconfig's
// configuration, a font loaded and its glyphs drawn.
//   torvane_bare_dialog [LABEL_TEXT_UTF8]

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("bare"));
    if (argc > 1) {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(QString::fromUtf8(argv[1])));
    }
    dialog.show();
    return app.exec();
}
