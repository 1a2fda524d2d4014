// The buy and sell dialogs: texts on entry, the proposed quantity, the spin
// arrows' 16-bit range and the validation on OK.

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "places/quantity_dialogs.h"
#include "ui/controls/up_down.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"
#include "ui/trading/buy_dlg.h"
#include "ui/trading/sell_dlg.h"
#include "window_test_support.h"

namespace {

QString Text(const QWidget* dialog, int id)
{
    if (auto* label = control<QLabel>(dialog, id))
        return label->text();
    if (auto* button = control<QPushButton>(dialog, id))
        return button->text();
    return control<QLineEdit>(dialog, id)->text();
}

struct BoxSeen {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Presses OK with text in the edit; returns the message box it brought, if any.
BoxSeen PressOk(CNumberFieldDlg& dialog, const QString& text)
{
    BoxSeen seen;
    control<QLineEdit>(&dialog, 1053)->setText(text);
    AnswerNextMessageBox([&seen](QMessageBox& box) {
        seen = {box.text(), box.windowTitle(), box.icon()};
        return static_cast<int>(QMessageBox::Ok);
    });
    control<QPushButton>(&dialog, kIdOk)->click();
    AnswerNextMessageBox({});   // a press that brought no box leaves no answer behind
    return seen;
}

}  // namespace

class NumberDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void buyDialogShowsTheRulesTexts()
    {
        CBuyDlg dialog(BuyDialog(2000, 13, "进口香烟"), nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("买多少？"));
        QCOMPARE(Text(&dialog, 1022), QStringLiteral("2000元人民币,最多可以买13个进口香烟。"));
        QCOMPARE(Text(&dialog, 1107), QString());
        QCOMPARE(Text(&dialog, 1053), QStringLiteral("13"));
        QCOMPARE(Text(&dialog, kIdOk), QStringLiteral("确  定"));
        QCOMPARE(Text(&dialog, kIdCancel), QStringLiteral("取  消"));
        auto* spin = dialog.findChild<CUpDown*>();
        QCOMPARE(spin->lower(), 1);
        QCOMPARE(spin->upper(), 13);
    }

    void buyDialogValidatesOnOk()
    {
        CBuyDlg dialog(BuyDialog(2000, 13, "进口香烟"), nullptr);
        dialog.show();

        control<QPushButton>(&dialog, kIdCancel)->setFocus();
        BoxSeen seen = PressOk(dialog, QStringLiteral("abc"));
        QCOMPARE(seen.text, QStringLiteral("Please enter an integer."));
        QCOMPARE(seen.caption, QStringLiteral("window_number_dialogs_test"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), control<QLineEdit>(&dialog, 1053));

        seen = PressOk(dialog, QStringLiteral("14"));
        QCOMPARE(seen.text, QStringLiteral("Please enter an integer between 0 and 13."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.answer().button, kIdCancel);

        seen = PressOk(dialog, QStringLiteral("5"));
        QCOMPARE(seen.text, QString());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.answer().button, kIdOk);
        QCOMPARE(dialog.answer().value, 5);
    }

    void fullRoomAllowsOnlyZero()
    {
        CBuyDlg dialog(BuyDialog(2000, 0, "进口香烟"), nullptr);
        dialog.show();
        QCOMPARE(Text(&dialog, 1022),
                 QStringLiteral("2000元人民币, 您租的房子放满了东西，所以不能再进货了。"));
        QCOMPARE(Text(&dialog, 1107), QStringLiteral("为扩大生意规模，建议您去租更大的房子。"));
        QCOMPARE(Text(&dialog, 1053), QStringLiteral("0"));

        // The reversed range 1 to 0: up goes toward 0, down toward 1.
        auto* spin = dialog.findChild<CUpDown*>();
        spin->StepUp();
        QCOMPARE(Text(&dialog, 1053), QStringLiteral("0"));
        spin->StepDown();
        QCOMPARE(Text(&dialog, 1053), QStringLiteral("1"));

        QCOMPARE(PressOk(dialog, QStringLiteral("1")).text,
                 QStringLiteral("Please enter an integer between 0 and 0."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(PressOk(dialog, QStringLiteral("0")).text, QString());
        QCOMPARE(dialog.answer().button, kIdOk);
        QCOMPARE(dialog.answer().value, 0);
    }

    void sellDialogProposesTheWholeRow()
    {
        CSellDlg dialog(SellDialog(20, "《上海小宝贝》（禁书）"), nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("卖多少？"));
        QCOMPARE(Text(&dialog, 1027), QStringLiteral("您有20个《上海小宝贝》（禁书），想卖出多少？"));
        QCOMPARE(Text(&dialog, 1053), QStringLiteral("20"));
        QCOMPARE(Text(&dialog, kIdOk), QStringLiteral("确 定"));
        QCOMPARE(Text(&dialog, kIdCancel), QStringLiteral("放 弃"));

        QCOMPARE(PressOk(dialog, QStringLiteral("21")).text,
                 QStringLiteral("Please enter an integer between 0 and 20."));
        control<QPushButton>(&dialog, kIdCancel)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.answer().button, kIdCancel);
    }

    void sellDialogOfALargeRowKeepsTheTruncatedRange()
    {
        const DialogRequest request = SellDialog(100000, "进口香烟");
        CSellDlg dialog(request, nullptr);
        auto* spin = dialog.findChild<CUpDown*>();
        QCOMPARE(spin->lower(), 1);
        QCOMPARE(spin->upper(), request.field->spinUpper);
        QCOMPARE(spin->upper(), -31072);
    }

    void upDownStepsWithinItsRange()
    {
        QWidget parent;
        auto* edit = new QLineEdit(&parent);
        CUpDown spin(&parent);
        spin.SetBuddy(edit);

        spin.SetRange(1, -31072);
        edit->setText(QStringLiteral("1"));
        spin.StepUp();
        QCOMPARE(edit->text(), QStringLiteral("0"));
        spin.StepUp();
        QCOMPARE(edit->text(), QStringLiteral("-1"));
        spin.StepDown();
        spin.StepDown();
        spin.StepDown();
        QCOMPARE(edit->text(), QStringLiteral("1"));

        spin.SetRange(1, 13);
        edit->setText(QStringLiteral("40"));   // clamped to the upper end first
        spin.StepDown();
        QCOMPARE(edit->text(), QStringLiteral("12"));
        edit->setText(QStringLiteral("x"));    // no number: the lower end
        spin.StepUp();
        QCOMPARE(edit->text(), QStringLiteral("2"));
        edit->setText(QStringLiteral("13"));
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(edit->text(), QStringLiteral("13"));
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }
};

TORVANE_WINDOW_TEST_MAIN(NumberDialogsTest)
#include "number_dialogs_test.moc"
