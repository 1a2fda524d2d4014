// The second yardstick of the window measurements: the bare dialog with one
// short Chinese label, so the figures also show what drawing any Chinese text
// costs (fontconfig's configuration, a CJK font loaded and its glyphs drawn)
// apart from what the game itself does.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("label"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("\u94f6\u884c")));
    dialog.show();
    return app.exec();
}
