// Every dialog in English shows its whole texts: no static, button, check box
// or frame title is cut by its rectangle, the main window on either map included.

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

#include "game/dialog_ids.h"
#include "game/event_tables.h"
#include "game/text_format.h"
#include "places/quantity_dialogs.h"
#include "records/catalogue.h"
#include "records/top_ten.h"
#include "records/top_ten_dialogs.h"
#include "resources/layouts/layouts.h"
#include "scripted_ui.h"
#include "ui/framework/text_fit.h"
#include "ui/framework/tr.h"
#include "ui/info/about_dlg.h"
#include "ui/info/fixed_text_dlgs.h"
#include "ui/info/writing_dlg.h"
#include "ui/places/airport_dlg.h"
#include "ui/places/bank_dlg.h"
#include "ui/places/cash_dlg.h"
#include "ui/places/hospital_dlg.h"
#include "ui/places/net_cafe_dlg.h"
#include "ui/places/rent_agent_dlg.h"
#include "ui/places/repay_dlg.h"
#include "ui/records/congrats_dlg.h"
#include "ui/records/diary_dlg.h"
#include "ui/records/news_dlg.h"
#include "ui/records/settings_dlg.h"
#include "ui/records/story_dlg.h"
#include "ui/records/top_ten_dlg.h"
#include "ui/trading/buy_dlg.h"
#include "ui/trading/sell_dlg.h"
#include "window_test_support.h"

namespace {

constexpr std::int32_t kMost = 2147483647;

// What is cut, measured the way Qt lays the text out; empty when nothing is.
QStringList Clipped(const QWidget* dialog)
{
    QStringList cut;
    for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(dialog) || IsHotspot(widget))
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto* label = qobject_cast<const QLabel*>(widget); label && label->pixmap().isNull()) {
            const QString text = label->text();
            bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height() + 2
                                          : metrics.horizontalAdvance(text) <= label->contentsRect().width();
            for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                fits = fits && metrics.horizontalAdvance(word) <= label->contentsRect().width();
            if (!fits)
                cut << text;
        } else if (auto* box = qobject_cast<const QCheckBox*>(widget)) {
            if (box->sizeHint().width() > box->width())
                cut << box->text();
        } else if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            if (metrics.horizontalAdvance(button->text()) + icon + 6 > button->width())
                cut << button->text();
        } else if (auto* group = qobject_cast<const QGroupBox*>(widget)) {
            if (metrics.horizontalAdvance(group->title()) + 16 > group->width())
                cut << group->title();
        }
    }
    return cut;
}

// With TORVANE_SHOTS naming a folder, every dialog checked is also saved there
// as a picture, to be looked at.
void SavePicture(QWidget* widget)
{
    static int count = 0;
    const QString folder = qEnvironmentVariable("TORVANE_SHOTS");
    if (!folder.isEmpty())
        widget->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder).arg(++count, 3, 10, QLatin1Char('0'))
                                .arg(widget->windowTitle().left(24).replace(QLatin1Char('/'), QLatin1Char('_'))));
}

// The names a screen reader reads that are still Chinese.
QStringList ChineseNames(const QWidget* dialog)
{
    static const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    QStringList names;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
        if (name.contains(chinese))
            names << QStringLiteral("name: ") + name;
    }
    return names;
}

// Shows the dialog as exec would, and reports what it cuts and the Chinese
// names a screen reader would read.
QStringList ClippedWhenShown(QDialog& dialog)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return {QStringLiteral("never shown")};
    SavePicture(&dialog);
    QStringList cut = Clipped(&dialog) + ChineseNames(&dialog);
    dialog.hide();
    return cut;
}

// The requests the rules make, with the longest numbers they can hold.
std::vector<DialogRequest> GameRequests()
{
    std::vector<DialogRequest> requests = {
        BuyDialog(kMost, kMost, Tr("《上海小宝贝》（禁书）")),
        BuyDialog(kMost, 0, Tr("进口香烟")),
        SellDialog(kMost, Tr("《上海小宝贝》（禁书）")),
        BankDialog(kMost, kMost),
        CashDialog(1, kMost, kMost),
        CashDialog(2, kMost, kMost),
        HospitalDialog(-kMost),
        RepayDialog(kMost, kMost),
        CongratsDialog(10, kMost),
        TopTenDialog(DefaultTopTen(), 3),
    };
    for (int title = 0; title < 5; ++title)
        requests.push_back(CongratsDialog(1, -kMost));
    // The rent agent's offer, the internet cafe, the airport and the settings, as the rules ask.
    TestGame t;
    t.game.state().cash = kMost;
    t.ui.Answer({"cancel"});
    t.game.OnRentAgent();
    t.ui.Answer({"cancel"});
    t.game.OnSettings();
    t.game.OnNetCafe();
    t.game.OnAirport();
    for (const SeenEvent& seen : t.ui.Of("dialog")) {
        DialogRequest request;
        request.id = seen.id;
        request.texts.assign(seen.texts.begin(), seen.texts.end());
        if (request.id == kSettingsDialogId)
            request.checks = SettingsChecks{};
        requests.push_back(request);
    }
    return requests;
}

template <class Dialog>
QStringList CutBy(const DialogRequest& request)
{
    Dialog dialog(request, nullptr);
    return ClippedWhenShown(dialog);
}

QStringList CutByGameDialog(const DialogRequest& request)
{
    switch (request.id) {
    case kSellDialogId: return CutBy<CSellDlg>(request);
    case kBuyDialogId: return CutBy<CBuyDlg>(request);
    case kCashDialogId: return CutBy<CCashDlg>(request);
    case kBankDialogId: return CutBy<CBankDlg>(request);
    case kHospitalDialogId: return CutBy<CHospitalDlg>(request);
    case kRepayDialogId: return CutBy<CRepayDlg>(request);
    case kTopTenDialogId: return CutBy<CTopTenDlg>(request);
    case kAirportDialogId: return CutBy<CAirportDlg>(request);
    case kNetCafeDialogId: return CutBy<CNetCafeDlg>(request);
    case kRentAgentDialogId: return CutBy<CRentAgentDlg>(request);
    case kCongratsDialogId: return CutBy<CCongratsDlg>(request);
    case kSettingsDialogId: return CutBy<CSettingsDlg>(request);
    }
    return {QStringLiteral("no dialog %1").arg(request.id)};
}

}  // namespace

class EnglishLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(UseLanguage(Language::English, {TORVANE_LOCALE_DIR})); }

    void gameDialogsCutNothing()
    {
        for (const DialogRequest& request : GameRequests())
            QCOMPARE(CutByGameDialog(request), QStringList());
    }

    void everyNewsAndDiaryFits()
    {
        for (const MarketNewsEvent& row : kMarketNews) {
            CNewsDlg dialog(TrQ(row.text), nullptr);
            QCOMPARE(ClippedWhenShown(dialog), QStringList());
        }
        // The longest diary lines: a street event with its health line, a theft,
        // and the hospital's three lines at the longest place and spot.
        for (const StreetEvent& row : kStreetEvents) {
            CDiaryDlg dialog({}, {}, QString::fromStdString(Format(Tr("%1俺的健康减少了%2点。"), {Tr(row.text), "20"})), nullptr);
            QCOMPARE(ClippedWhenShown(dialog), QStringList());
        }
        for (const MoneyEvent& row : kMoneyEvents) {
            CDiaryDlg dialog({}, {}, QString::fromStdString(Format(Tr("%1俺的存款减少了%2%。，哎呀!"), {Tr(row.text), "40"})), nullptr);
            QCOMPARE(ClippedWhenShown(dialog), QStringList());
        }
        for (const char* spot : kSpots) {
            const QString top = QString::fromStdString(Format(Tr("由于不注意身体,我被人发现昏迷在%1附近的%2。"), {Tr("三元西桥"), Tr(spot)}));
            const QString middle = QString::fromStdString(Format(Tr("好心的市民把我抬到医院，医生让我治疗%1天。"), {"2"}));
            const QString bottom = QString::fromStdString(Format(Tr("村长让人为我垫付了住院费用%1元。"), {"2147483647"}));
            CDiaryDlg dialog(bottom, top, middle, nullptr);
            QCOMPARE(ClippedWhenShown(dialog), QStringList());
        }
    }

    void informationScreensFit()
    {
        CAboutDlg about(nullptr);
        QCOMPARE(ClippedWhenShown(about), QStringList());
        CCityIntroDlg city(nullptr);
        QCOMPARE(ClippedWhenShown(city), QStringList());
        CDonateDlg donate(nullptr);
        QCOMPARE(ClippedWhenShown(donate), QStringList());
        CStatementDlg statement(nullptr);
        QCOMPARE(ClippedWhenShown(statement), QStringList());
        CWritingDlg writing(nullptr);
        QCOMPARE(ClippedWhenShown(writing), QStringList());
        CStoryDlg story(1, QDir::tempPath().toStdString());
        QCOMPARE(ClippedWhenShown(story), QStringList());
    }

    void mainWindowFitsBothMaps()
    {
        QTemporaryDir dir;
        auto window = ShowMainWindow(dir.path());
        QVERIFY(window);
        SavePicture(window.get());
        QCOMPARE(Clipped(window.get()), QStringList());
        QCOMPARE(ChineseNames(window.get()), QStringList());
        window->MapChanged(2);
        SavePicture(window.get());
        QCOMPARE(Clipped(window.get()), QStringList());
        // The texts needed more room than the Chinese layout gives them.
        QVERIFY(window->width() > DialogUnits(DialogFont()).ToPixelsX(kMainTemplate.width));
    }
};

TORVANE_WINDOW_TEST_MAIN(EnglishLayoutTest)
#include "english_layout_test.moc"
