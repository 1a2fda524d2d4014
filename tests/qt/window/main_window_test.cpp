// The main window played through the real rules with a fixed seed: the first
// day, trading by double-click and by dragging rows, sorting, the map and
// travelling, and the keys that end the window.

#include <QGroupBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "game/goods.h"
#include "ui/controls/art.h"
#include "ui/controls/fitting_item_delegate.h"
#include "ui/controls/hover_button.h"
#include "ui/trading/buy_dlg.h"
#include "ui/records/congrats_dlg.h"
#include "ui/controls/segment_display.h"
#include "ui/controls/ticker_ctrl.h"
#include "ui/framework/dialog_builder.h"
#include "ui/window/main_dlg.h"
#include "ui/window/main_menu.h"
#include "ui/trading/row_drag.h"
#include "ui/trading/sell_dlg.h"
#include "ui/records/top_ten_dlg.h"
#include "ui/trading/trade_list_view.h"
#include "window_test_support.h"

namespace {

CTradeListView* Market(const CMainDlg& window) { return control<CTradeListView>(&window, 1001); }
CTradeListView* Room(const CMainDlg& window) { return control<CTradeListView>(&window, 1002); }

QStringList Column(const QTreeWidget* view, int column)
{
    QStringList texts;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        texts << view->topLevelItem(i)->text(column);
    return texts;
}

QPoint RowCentre(const QTreeWidget* view, int row)
{
    return view->visualItemRect(view->topLevelItem(row)).center();
}

void DoubleClick(QWidget* viewport, QPoint pos)
{
    SendMouse(viewport, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    SendMouse(viewport, QEvent::MouseButtonRelease, pos, Qt::NoButton);
    SendMouse(viewport, QEvent::MouseButtonDblClick, pos, Qt::LeftButton);
    SendMouse(viewport, QEvent::MouseButtonRelease, pos, Qt::NoButton);
}

// Presses on a row of source and lets go at a point given in screen coordinates;
// the source keeps the mouse for the whole drag, as a pressed button does.
void DragRow(QTreeWidget* source, int row, QPoint dropGlobal)
{
    QWidget* viewport = source->viewport();
    const QPoint start = RowCentre(source, row);
    const QPoint drop = viewport->mapFromGlobal(dropGlobal);
    SendMouse(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
    SendMouse(viewport, QEvent::MouseMove, start + QPoint(12, 0), Qt::LeftButton, Qt::NoButton);
    SendMouse(viewport, QEvent::MouseMove, drop, Qt::LeftButton, Qt::NoButton);
    SendMouse(viewport, QEvent::MouseButtonRelease, drop, Qt::NoButton);
}

QPoint ViewportCentreGlobal(const QTreeWidget* view)
{
    return view->viewport()->mapToGlobal(view->viewport()->rect().center());
}

// Accepts, with its proposal, the quantity dialog a trade opens; returns the proposal.
QTimer* AcceptQuantity(QString* proposal)
{
    return WhenModal([proposal](QWidget* modal) {
        *proposal = control<QLineEdit>(modal, 1053)->text();
        control<QPushButton>(modal, kIdOk)->click();
    });
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        window_ = ShowMainWindow(dir_.path());
        QVERIFY(window_);
    }
    void cleanup() { window_.reset(); }

    void openingShowsTheFirstDay()
    {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Torvane(0/40天)"));
        QCOMPARE(control<QLabel>(window_.get(), 1108)->text(), QStringLiteral("0/100"));
        QCOMPARE(Column(Market(*window_), 0),
                 QStringList({"进口香烟", "盗版VCD、游戏", "假白酒（剧毒！）", "水货手机", "伪劣化妆品"}));
        QCOMPARE(Column(Market(*window_), 1), QStringList({"145", "53", "1295", "1090", "216"}));
        QCOMPARE(control<CSegmentDisplay>(window_.get(), 1020)->text(), QStringLiteral("2000"));
        auto* debt = control<CSegmentDisplay>(window_.get(), 1050);
        QCOMPARE(debt->text(), QStringLiteral("5500"));
        QCOMPARE(debt->litColour(), QColor(240, 0, 0));
        QCOMPARE(control<CSegmentDisplay>(window_.get(), 1048)->litColour(), QColor(0, 240, 0));
        QVERIFY(control<QPushButton>(window_.get(), 1004)->isHidden());
        QVERIFY(control<QPushButton>(window_.get(), 1005)->isHidden());
        for (int id : {1020, 1035, 1050, 1047, 1048})
            QVERIFY(control<CSegmentDisplay>(window_.get(), id)->sunkenEdge());
        // The boss key and the map toggle have colours only; the five places an icon.
        for (int id : {1089, 1090})
            QVERIFY(!control<CHoverButton>(window_.get(), id)->hasIcons());
        for (int id : {1084, 1085, 1086, 1087, 1088})
            QVERIFY(control<CHoverButton>(window_.get(), id)->hasIcons());

        window_->close();   // the close box does nothing
        QVERIFY(window_->isVisible());
    }

    // Showing and painting the window reads no picture through Qt's image
    // plugins: the pictures are drawn at build time, and the style's own are PNGs.
    void theFirstPaintLoadsNoImagePlugin()
    {
        window_->repaint();
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(!mapped.contains("/imageformats/"));
        QVERIFY(!mapped.contains("libQt6Svg"));
    }

    void doubleClickBuysAndDropSells()
    {
        QString proposal;
        AcceptQuantity(&proposal);
        DoubleClick(Market(*window_)->viewport(), RowCentre(Market(*window_), 0));
        QCOMPARE(proposal, QStringLiteral("13"));
        QCOMPARE(window_->game().state().cash, 2000 - 13 * 145);
        QCOMPARE(Column(Room(*window_), 0), QStringList({"进口香烟"}));
        QCOMPARE(Column(Room(*window_), 2), QStringList({"13"}));
        QCOMPARE(control<QLabel>(window_.get(), 1108)->text(), QStringLiteral("13/100"));
        QCOMPARE(window_->soundPlayer().lastPath(), QStringLiteral("sound/buy.wav"));
        QCOMPARE(window_->focusWidget(), Room(*window_));

        Room(*window_)->topLevelItem(0)->setSelected(true);
        AcceptQuantity(&proposal);
        DragRow(Room(*window_), 0, ViewportCentreGlobal(Market(*window_)));
        QCOMPARE(proposal, QStringLiteral("13"));
        QCOMPARE(window_->game().state().cash, 2000);
        QCOMPARE(Room(*window_)->topLevelItemCount(), 0);
        QCOMPARE(window_->soundPlayer().lastPath(), QStringLiteral("sound/money.wav"));
    }

    void dropsElsewhereTradeNothing()
    {
        bool opened = false;
        QTimer* watch = WhenModal([&opened](QWidget* modal) {
            opened = true;
            qobject_cast<QDialog*>(modal)->reject();
        });
        CTradeListView* market = Market(*window_);
        QHeaderView* roomHeader = Room(*window_)->header();
        DragRow(market, 0, ViewportCentreGlobal(market));
        QCOMPARE(window_->game().market().Selected(), 0);
        DragRow(market, 1, roomHeader->mapToGlobal(roomHeader->rect().center()));
        DragRow(market, 1, window_->mapToGlobal(QPoint(5, window_->height() - 5)));
        QTest::qWait(50);
        delete watch;
        QVERIFY(!opened);
        QCOMPARE(window_->game().state().cash, 2000);
        QCOMPARE(Room(*window_)->topLevelItemCount(), 0);
    }

    void dragShowsTheRowsAndWhereTheyWouldLand()
    {
        CTradeListView* market = Market(*window_);
        market->topLevelItem(1)->setSelected(true);
        const RowDragImage image = CreateRowDragImage(market);
        const QRect row = market->visualItemRect(market->topLevelItem(1));
        QCOMPARE(image.topLeft, row.topLeft());
        QCOMPARE(image.pixmap.deviceIndependentSize().toSize(), row.size());
        // The green ground is see-through, the row's icon is not.
        const QImage picture = image.pixmap.toImage();
        QCOMPARE(picture.pixelColor(picture.width() - 1, 0), QColor(0, 255, 0));
        const QRegion shape(DragImageMask(image.pixmap));
        QVERIFY(!shape.contains(QPoint(row.width() - 1, 0)));
        QVERIFY(shape.contains(QPoint(10, row.height() / 2)));

        QWidget* viewport = market->viewport();
        const QPoint start = RowCentre(market, 1);
        auto moveTo = [&](QPoint global) {
            SendMouse(viewport, QEvent::MouseMove, viewport->mapFromGlobal(global), Qt::LeftButton,
                      Qt::NoButton);
            return QApplication::overrideCursor()->shape();
        };
        SendMouse(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
        QCOMPARE(moveTo(viewport->mapToGlobal(start + QPoint(12, 0))), Qt::ArrowCursor);
        QCOMPARE(moveTo(ViewportCentreGlobal(Room(*window_))), Qt::ArrowCursor);
        QCOMPARE(moveTo(window_->mapToGlobal(QPoint(5, window_->height() - 5))), Qt::ForbiddenCursor);
        QHeaderView* header = Room(*window_)->header();
        QCOMPARE(moveTo(header->mapToGlobal(header->rect().center())), Qt::ForbiddenCursor);
        SendMouse(viewport, QEvent::MouseButtonRelease, viewport->mapFromGlobal(
                      window_->mapToGlobal(QPoint(5, window_->height() - 5))), Qt::NoButton);
        QVERIFY(!QApplication::overrideCursor());
    }

    void tickerPausesUnderThePointer()
    {
        auto* ticker = control<CTickerCtrl>(window_.get(), 1051);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(ticker, &enter);
        QVERIFY(!ticker->isRunning());
        QVERIFY(ticker->hasBumpFrame());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(ticker, &leave);
        QVERIFY(ticker->isRunning());
        QVERIFY(!ticker->hasBumpFrame());
    }

    void headerClicksSortAsText()
    {
        CTradeListView* market = Market(*window_);
        QWidget* header = market->header()->viewport();
        const QPoint price(market->header()->sectionViewportPosition(1) + 10, 5);
        SendMouse(header, QEvent::MouseButtonPress, price, Qt::LeftButton);
        SendMouse(header, QEvent::MouseButtonRelease, price, Qt::NoButton);
        QCOMPARE(Column(market, 1), QStringList({"1090", "1295", "145", "216", "53"}));
        SendMouse(header, QEvent::MouseButtonPress, price, Qt::LeftButton);
        SendMouse(header, QEvent::MouseButtonRelease, price, Qt::NoButton);
        QCOMPARE(Column(market, 1), QStringList({"53", "216", "145", "1295", "1090"}));
        QCOMPARE(Column(market, 0).first(), QStringLiteral("盗版VCD、游戏"));
    }

    void ctrlDigitsSortAsTheHeaderDoes()
    {
        CTradeListView* market = Market(*window_);
        market->setFocus();
        QTest::keyClick(market, Qt::Key_2);   // without Ctrl: no sort
        QCOMPARE(Column(market, 1), QStringList({"145", "53", "1295", "1090", "216"}));
        QTest::keyClick(market, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(Column(market, 1), QStringList({"1090", "1295", "145", "216", "53"}));
        QTest::keyClick(market, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(Column(market, 1), QStringList({"53", "216", "145", "1295", "1090"}));
        QTest::keyClick(market, Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
        // Names in GBK byte order, then the other way round.
        const QStringList names({"盗版VCD、游戏", "假白酒（剧毒！）", "进口香烟", "水货手机", "伪劣化妆品"});
        QCOMPARE(Column(market, 0), names);
        QTest::keyClick(market, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(Column(market, 0),
                 QStringList({"伪劣化妆品", "水货手机", "进口香烟", "假白酒（剧毒！）", "盗版VCD、游戏"}));
        // The market has three columns: Ctrl+4 is no column of it.
        QTest::keyClick(market, Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(Column(market, 0).first(), QStringLiteral("伪劣化妆品"));
    }

    void mapToggleRelabelsTheStations()
    {
        auto* toggle = control<QPushButton>(window_.get(), 1090);
        toggle->click();
        QCOMPARE(control<QPushButton>(window_.get(), 1008)->text(), QStringLiteral("永安里"));
        QCOMPARE(control<QPushButton>(window_.get(), 1015)->text(), QStringLiteral("八角西路"));
        QCOMPARE(control<QGroupBox>(window_.get(), 1120)->title(), QStringLiteral("Varsen市地面示意图"));
        QCOMPARE(toggle->text(), QStringLiteral("我要进地铁"));
        toggle->click();
        QCOMPARE(control<QPushButton>(window_.get(), 1008)->text(), QStringLiteral("建国门"));
        QCOMPARE(control<QGroupBox>(window_.get(), 1120)->title(), QStringLiteral("Varsen市地铁示意图"));
        QCOMPARE(toggle->text(), QStringLiteral("我要逛京城"));
    }

    void stationClickSpendsADay()
    {
        // Whatever the day brings is read and closed.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->accept();
        });
        closer.start(20);
        auto* station = control<QPushButton>(window_.get(), 1011);
        station->click();
        QCOMPARE(window_->windowTitle(), QStringLiteral("Torvane(1/40天)"));
        QVERIFY(station->isChecked());
        QCOMPARE(window_->game().state().location, 2);
        station->click();
        QCOMPARE(window_->windowTitle(), QStringLiteral("Torvane(1/40天)"));
    }

    void quittingRichEntersTheTableThenCloses()
    {
        window_->game().state().cash = 20000000;
        QStringList seen;
        QString topRow;
        bool visibleMeanwhile = true;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            visibleMeanwhile = visibleMeanwhile && window_->isVisible();
            seen << modal->metaObject()->className();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->button(QMessageBox::No)->click();
            } else if (qobject_cast<CCongratsDlg*>(modal)) {
                control<QLineEdit>(modal, 1092)->setText(QStringLiteral("小明"));
                control<QPushButton>(modal, kIdOk)->click();
            } else {
                if (qobject_cast<CTopTenDlg*>(modal)) {
                    const auto* list = control<QTreeWidget>(modal, 1045);
                    topRow = list->selectedItems().value(0)->text(1);
                }
                qobject_cast<QDialog*>(modal)->accept();
            }
        });
        answerer.start(10);
        FindMenuCommand(window_->menuBar(), 32774)->trigger();
        QCOMPARE(seen, QStringList({"CCongratsDlg", "CTopTenDlg", "CNewsDlg", "QMessageBox"}));
        QCOMPARE(topRow, QStringLiteral("小明"));
        QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("score.txt"))));
        // The window waits for the handler to finish before it closes.
        QVERIFY(visibleMeanwhile);
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Accepted));
    }

    void storyFromTheMenu()
    {
        QString button;
        WhenModal([&button](QWidget* modal) {
            button = control<QPushButton>(modal, kIdOk)->text();
            control<QPushButton>(modal, kIdOk)->click();
        });
        FindMenuCommand(window_->menuBar(), 32784)->trigger();
        QCOMPARE(button, QStringLiteral("继续游戏"));
        QVERIFY(window_->isVisible());
    }

    void yesNoQuestionsIgnoreEscapeAndTheCloseBox()
    {
        window_->game().state().daysLeft = 30;
        auto answerNewGame = [this](std::function<void(QMessageBox*)> answer) {
            bool stayedOpen = false;
            WhenModal([&stayedOpen, answer](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                // Qt's own buttons speak the game's language.
                QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
                QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
                QTest::keyClick(box, Qt::Key_Escape);
                box->close();
                stayedOpen = box->isVisible();
                answer(box);
            });
            FindMenuCommand(window_->menuBar(), 32782)->trigger();
            return stayedOpen;
        };
        QVERIFY(answerNewGame([](QMessageBox* box) { box->button(QMessageBox::No)->click(); }));
        QCOMPARE(window_->game().state().daysLeft, 30);
        // Enter takes the default answer, Yes.
        QVERIFY(answerNewGame([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }));
        QCOMPARE(window_->game().state().daysLeft, 40);
        QVERIFY(window_->isVisible());
    }

    // The focus frame never marks a row the rules do not hold selected.
    void listsFrameOnlyTheSelectedRow()
    {
        CTradeListView* market = Market(*window_);
        market->setFocus(Qt::TabFocusReason);
        QVERIFY(market->hasFocus());
        QVERIFY(market->selectedItems().isEmpty());
        QVERIFY(!market->currentItem());

        QString told;
        WhenModal([&told](QWidget* modal) {
            told = control<QLabel>(modal, 1052)->text();
            Accept(modal);
        });
        control<QPushButton>(window_.get(), 1006)->click();
        QCOMPARE(told, QStringLiteral("我还没有选定买什么物品呢。"));

        SendMouse(market->viewport(), QEvent::MouseButtonPress, RowCentre(market, 1), Qt::LeftButton);
        SendMouse(market->viewport(), QEvent::MouseButtonRelease, RowCentre(market, 1), Qt::NoButton);
        QCOMPARE(window_->game().market().Selected(), 1);
        QCOMPARE(market->currentItem(), market->topLevelItem(1));

        QString proposal;
        AcceptQuantity(&proposal);
        control<QPushButton>(window_.get(), 1006)->click();
        CTradeListView* room = Room(*window_);
        QCOMPARE(window_->focusWidget(), room);
        QVERIFY(room->selectedItems().isEmpty());
        QVERIFY(!room->currentItem());

        // A sale leaves the market focused with nothing selected.
        room->topLevelItem(0)->setSelected(true);
        AcceptQuantity(&proposal);
        control<QPushButton>(window_.get(), 1003)->click();
        QCOMPARE(window_->focusWidget(), market);
        QVERIFY(market->selectedItems().isEmpty());
        QVERIFY(!market->currentItem());
    }

    // The columns keep their widths: long names are drawn narrower, at the
    // list's height, and short ones in the list's own font.
    void everyGoodsNameShowsWholeInBothLists()
    {
        std::vector<std::vector<std::string>> rows;
        for (int goods = 0; goods < 8; ++goods)
            rows.push_back({kGoods[goods].name, "12345", "67"});
        const QIcon icon = ArtIcon("icon146");
        for (CTradeListView* list : {Market(*window_), Room(*window_)}) {
            list->ShowRows(rows, -1, icon);
            auto* delegate = dynamic_cast<FittingItemDelegate*>(list->itemDelegate());
            QVERIFY(delegate);
            for (int row = 0; row < 8; ++row) {
                const QModelIndex cell = list->model()->index(row, 0);
                const QStyleOptionViewItem option = delegate->CellOption(list, cell);
                QVERIFY(!option.icon.isNull());
                QVERIFY2(QFontMetrics(option.font).horizontalAdvance(option.text) <=
                             FittingItemDelegate::TextRoom(option),
                         qPrintable(option.text));
                QCOMPARE(QFontInfo(option.font).pixelSize(), QFontInfo(list->font()).pixelSize());
            }
            const QModelIndex shortName = list->model()->index(0, 0);
            QCOMPARE(delegate->CellOption(list, shortName).font, list->font());
        }
    }

    void escapeAndEnterEndTheWindow()
    {
        QTest::keyClick(window_.get(), Qt::Key_Escape);
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Rejected));

        window_->show();
        Market(*window_)->setFocus();
        QTest::keyClick(Market(*window_), Qt::Key_Return);
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Accepted));
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<CMainDlg> window_;
};

TORVANE_WINDOW_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
