// The top-ten table and the congratulations dialog.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "records/gbk.h"
#include "records/top_ten.h"
#include "records/top_ten_dialogs.h"
#include "ui/controls/fitting_item_delegate.h"
#include "ui/records/congrats_dlg.h"
#include "ui/framework/dialog_builder.h"
#include "ui/records/top_ten_dlg.h"
#include "window_test_support.h"

namespace {

// Types each character as a key press carrying its text, as an input method delivers it.
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
    }
}

}  // namespace

class RecordDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void topTenShowsTenRowsWithTheHighlight()
    {
        CTopTenDlg dialog(TopTenDialog(DefaultTopTen(), 3), nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("高手榜"));
        auto* list = control<QTreeWidget>(&dialog, 1045);
        QCOMPARE(list->topLevelItemCount(), 10);
        const QTreeWidgetItem* header = list->headerItem();
        QStringList headers;
        QList<int> widths;
        for (int c = 0; c < list->columnCount(); ++c) {
            headers << header->text(c);
            widths << list->columnWidth(c);
        }
        QCOMPARE(headers, QStringList({"名次", "姓名", "金钱", "健康程度", "名声"}));
        QCOMPARE(widths, QList<int>({68, 100, 120, 80, 80}));
        const QTreeWidgetItem* fourth = list->topLevelItem(3);
        QCOMPARE(fourth->text(0), QStringLiteral("第四名"));
        QCOMPARE(fourth->text(1), QStringLiteral("Kestrel Vane"));
        QCOMPARE(fourth->text(2), QStringLiteral("239403"));
        QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem*>({list->topLevelItem(3)}));
        QCOMPARE(control<QLabel>(&dialog, kNoId)->text(), QStringLiteral("Torvane高手前10名"));
    }

    void namesOfNineteenBytesShowWhole()
    {
        TopTenTable table = DefaultTopTen();
        table[0].name = "九个汉字九个汉字九W";
        table[1].name = std::string(19, 'W');
        CTopTenDlg dialog(TopTenDialog(table, 0), nullptr);
        dialog.show();
        auto* list = control<QTreeWidget>(&dialog, 1045);
        auto* delegate = dynamic_cast<FittingItemDelegate*>(list->itemDelegate());
        QVERIFY(delegate);
        for (int row = 0; row < 10; ++row) {
            const QStyleOptionViewItem option =
                delegate->CellOption(list, list->model()->index(row, 1));
            QVERIFY2(QFontMetrics(option.font).horizontalAdvance(option.text) <=
                         FittingItemDelegate::TextRoom(option),
                     qPrintable(option.text));
        }
        QCOMPARE(list->topLevelItem(1)->text(1), QString(19, QLatin1Char('W')));
    }

    void nameBoxStopsAtNineteenBytes()
    {
        CCongratsDlg dialog(CongratsDialog(2, 5000), nullptr);
        dialog.show();
        auto* edit = control<QLineEdit>(&dialog, 1092);
        TypeText(edit, QStringLiteral("小明小明小明小明小明"));
        QCOMPARE(edit->text(), QStringLiteral("小明小明小明小明小"));
        TypeText(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text(), QStringLiteral("小明小明小明小明小a"));
        QCOMPARE(Utf8ToGbk(edit->text().toStdString()).size(), std::size_t(19));
        // A paste that would pass the limit is refused whole.
        edit->clear();
        edit->insert(QStringLiteral("abcdefghij"));
        edit->insert(QStringLiteral("klmnopqrst"));
        QCOMPARE(edit->text(), QStringLiteral("abcdefghij"));
        control<QPushButton>(&dialog, kIdOk)->click();
        QCOMPARE(dialog.answer().name, std::string("abcdefghij"));
        QCOMPARE(CutTopTenName(dialog.answer().name), dialog.answer().name);
    }

    void congratsReturnsTheNameTyped()
    {
        CCongratsDlg dialog(CongratsDialog(3, 123456), nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("恭喜"));
        QCOMPARE(control<QLabel>(&dialog, 1091)->text(),
                 QStringLiteral("您的财富123456人民币已经进入Varsen富人前3名。"));
        QVERIFY(control<QLabel>(&dialog, 1099)->text().startsWith(QStringLiteral("您还被授予“")));
        control<QLineEdit>(&dialog, 1092)->insert(QStringLiteral("小明"));
        control<QPushButton>(&dialog, kIdOk)->click();
        QCOMPARE(dialog.answer().button, kIdOk);
        QCOMPARE(dialog.answer().name, std::string("小明"));
    }

    void congratsEscapeGivesAnEmptyName()
    {
        CCongratsDlg dialog(CongratsDialog(1, 99999999), nullptr);
        dialog.show();
        auto* edit = control<QLineEdit>(&dialog, 1092);
        QTest::keyClicks(edit, QStringLiteral("abc"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.answer().name, std::string());
    }

    void nameBoxTakesOnlyWhatItShows()
    {
        CCongratsDlg dialog(CongratsDialog(1, 1000), nullptr);
        dialog.show();
        auto* edit = control<QLineEdit>(&dialog, 1092);
        QTest::keyClicks(edit, QString(80, QLatin1Char('W')));
        const int kept = edit->text().size();
        QVERIFY(kept > 3);
        QVERIFY(kept < 80);
        QVERIFY(edit->fontMetrics().horizontalAdvance(edit->text()) < edit->width());
        // Text that still fits goes on being accepted after a refusal.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QStringLiteral("i"));
        QCOMPARE(edit->text(), QString(kept - 1, QLatin1Char('W')) + QStringLiteral("i"));
    }
};

TORVANE_WINDOW_TEST_MAIN(RecordDialogsTest)
#include "record_dialogs_test.moc"
