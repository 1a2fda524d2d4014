#include "ui/window/main_dlg.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

#include "game/places_table.h"
#include "records/news_file.h"
#include "resources/layouts/layouts.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/segment_display.h"
#include "ui/controls/ticker_ctrl.h"
#include "ui/records/diary_dlg.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/dialog_units.h"
#include "ui/window/game_dialogs.h"
#include "ui/window/main_menu.h"
#include "ui/framework/message_box.h"
#include "ui/records/news_dlg.h"
#include "ui/controls/report_list.h"
#include "ui/trading/row_drag.h"
#include "ui/records/story_dlg.h"
#include "ui/trading/trade_list_view.h"

namespace {

constexpr int kMarketList = 1001;
constexpr int kRoomList = 1002;
constexpr int kGoodsCountLabel = 1108;
constexpr int kTicker = 1051;
constexpr int kMapGroupId = 1120;
constexpr int kMapToggleId = 1090;

const QColor kBlack(0, 0, 0);
const QColor kRed(240, 0, 0);
const QColor kGreen(0, 240, 0);

int DisplayId(StatusField field)
{
    switch (field) {
    case StatusField::Debt:
        return 1050;
    case StatusField::Health:
        return 1047;
    case StatusField::Fame:
        return 1048;
    case StatusField::Cash:
        return 1020;
    case StatusField::Savings:
        return 1035;
    case StatusField::GoodsCount:
        break;
    }
    return kGoodsCountLabel;
}

struct PlaceButtonIcons {
    int id;
    const char* hover;
    const char* normal;
};

const PlaceButtonIcons kPlaceIcons[] = {
    {1084, ":/art/icon167.svg", ":/art/icon166.svg"},
    {1085, ":/art/icon165.svg", ":/art/icon162.svg"},
    {1086, ":/art/icon169.svg", ":/art/icon168.svg"},
    {1087, ":/art/icon161.svg", ":/art/icon163.svg"},
    {1088, ":/art/icon171.svg", ":/art/icon170.svg"},
};

const int kHoverButtonIds[] = {1086, 1088, 1087, 1085, 1084, 1089, 1090};

std::vector<std::vector<std::string>> Cells(const auto& rows)
{
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    for (const auto& row : rows)
        cells.push_back(CellTexts(row));
    return cells;
}

}  // namespace

CMainDlg::CMainDlg(std::string dir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint),
      dir_(std::move(dir)),
      game_(*this, dir_),
      rowIcon_(QStringLiteral(":/art/icon146.svg"))
{
    setFont(DialogFont());
    setWindowTitle(QString::fromUtf8(kMainTemplate.caption));
    setWindowIcon(QIcon(QStringLiteral(":/art/icon128.svg")));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    menuBar_ = BuildMainMenu(this, [this](int id) { OnMenuCommand(id); });
    layout->setMenuBar(menuBar_);
    auto* client = new QWidget(this);
    layout->addWidget(client);
    BuildControls(client, kMainTemplate, [](const ControlSpec& item, QWidget* parent) -> QWidget* {
        if (item.kind == ControlKind::List)
            return new CTradeListView(parent);
        return nullptr;
    });

    SetUpLists();
    SetUpStatusPanel();
    SetUpTicker();
    SetUpPlaceButtons();
    ConnectCommands();
    Dispatch([this] { game_.OpenWindow(); });
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::SetUpLists()
{
    market_ = control<CTradeListView>(this, kMarketList);
    room_ = control<CTradeListView>(this, kRoomList);
    SetUpReportList(market_, {{"商品", 150}, {"黑市价格", 67}, {"", 27}});
    SetUpReportList(room_, {{"商品", 100}, {"买进价格", 67}, {"数量", 57}});
    drag_ = std::make_unique<RowDrag>(market_, room_);
}

void CMainDlg::SetUpStatusPanel()
{
    auto* debt = control<CSegmentDisplay>(this, DisplayId(StatusField::Debt));
    debt->SetBackground(kBlack);
    debt->SetColours(kBlack, kRed);
}

void CMainDlg::SetUpTicker()
{
    ticker_ = control<CTickerCtrl>(this, kTicker);
    ticker_->SetText(MakeNewsText(" Loading data, please wait..."));
    ticker_->Start(QColor(255, 255, 255), QColor(255, 255, 43), QStringLiteral("Comic Sans MS"),
                   17, 4, 2, dir_);
    ticker_->SetStep(2);
    ticker_->installEventFilter(this);
}

void CMainDlg::SetUpPlaceButtons()
{
    for (const PlaceButtonIcons& icons : kPlaceIcons)
        control<CHoverButton>(this, icons.id)
            ->SetIcons(QIcon(QString::fromUtf8(icons.hover)), QIcon(QString::fromUtf8(icons.normal)));
    const auto backgrounds =
        CHoverButton::PlaceButtonBackgrounds(palette().color(QPalette::Button));
    for (int id : kHoverButtonIds) {
        auto* button = control<CHoverButton>(this, id);
        button->SetNormalBackground(backgrounds.normal, false);
        button->SetHoverBackground(backgrounds.hover, false);
    }
}

void CMainDlg::ConnectCommands()
{
    auto* stations = new QButtonGroup(this);
    stations->setExclusive(true);
    for (int place = 1; place <= 10; ++place) {
        const int buttonId = kPlaces[place - 1].buttonId;
        auto* button = control<QPushButton>(this, buttonId);
        stations->addButton(button, buttonId);
        connect(button, &QPushButton::clicked, this,
                [this, place] { Dispatch([this, place] { game_.Travel(place); }); });
    }
    const std::pair<int, void (Game::*)()> buttons[] = {
        {kMapToggleId, &Game::ToggleMap}, {1006, &Game::OnBuy},        {1003, &Game::OnSell},
        {1004, &Game::OnBuyAll},          {1005, &Game::OnSellAll},
    };
    for (const auto& [id, handler] : buttons)
        connect(control<QPushButton>(this, id), &QPushButton::clicked, this,
                [this, handler = handler] { Dispatch([this, handler] { (game_.*handler)(); }); });
    ConnectList(market_, ListId::Market);
    ConnectList(room_, ListId::Room);
}

void CMainDlg::ConnectList(CTradeListView* view, ListId list)
{
    connect(view, &CTradeListView::rowSelected, this,
            [this, list](int row) { Dispatch([this, list, row] { game_.SelectRow(list, row); }); });
    connect(view, &CTradeListView::headerClicked, this, [this, list](int column) {
        Dispatch([this, list, column] { game_.SortList(list, column); });
    });
    connect(view, &CTradeListView::activated, this, [this, list] {
        Dispatch([this, list] { list == ListId::Market ? game_.OnBuy() : game_.OnSell(); });
    });
    connect(view, &CTradeListView::dragBegun, this,
            [this, view](QPoint viewportPos) { drag_->Begin(view, viewportPos); });
    connect(view, &CTradeListView::dragMoved, this,
            [this](QPoint globalPos) { drag_->Move(globalPos); });
    connect(view, &CTradeListView::dragEnded, this, &CMainDlg::OnDragEnded);
}

void CMainDlg::OnDragEnded(QPoint globalPos)
{
    QTreeWidget* source = drag_->source();
    QTreeWidget* target = drag_->End(globalPos);
    if (source == market_ && target == room_)
        Dispatch([this] { game_.OnBuy(); });
    else if (source == room_ && target == market_)
        Dispatch([this] { game_.OnSell(); });
}

void CMainDlg::OnMenuCommand(int id)
{
    switch (id) {
    case 32782:
        drag_->Cancel();
        Dispatch([this] { game_.NewGame(); });
        break;
    case 32773:
        Dispatch([this] { game_.OnTopTen(); });
        break;
    case 32774:
        Dispatch([this] { game_.FinishGame(); });
        break;
    case 32784: {
        CStoryDlg story(1, dir_, this);
        story.exec();
        break;
    }
    default:
        // The places, the settings and the information screens come later.
        break;
    }
}

void CMainDlg::Dispatch(const std::function<void()>& handler)
{
    ++dispatchDepth_;
    handler();
    --dispatchDepth_;
    if (dispatchDepth_ == 0 && closeRequest_) {
        const bool ok = *closeRequest_;
        closeRequest_.reset();
        done(ok ? QDialog::Accepted : QDialog::Rejected);
    }
}

CTradeListView* CMainDlg::View(ListId list) const
{
    return list == ListId::Market ? market_ : room_;
}

void CMainDlg::ShowNews(const std::string& text)
{
    CNewsDlg dialog(QString::fromStdString(text), this);
    dialog.exec();
}

void CMainDlg::ShowDiary(const std::string& middle, const std::string& top,
                         const std::string& bottom)
{
    CDiaryDlg dialog(QString::fromStdString(bottom), QString::fromStdString(top),
                     QString::fromStdString(middle), this);
    dialog.exec();
}

void CMainDlg::ShowMessage(const std::string& text, Icon icon)
{
    ShowMessageBox(this, QString::fromStdString(text), icon);
}

bool CMainDlg::AskYesNo(const std::string& text, Icon icon)
{
    return AskYesNoBox(this, QString::fromStdString(text), icon);
}

DialogResult CMainDlg::RunDialog(const DialogRequest& request)
{
    return RunGameDialog(request, this);
}

void CMainDlg::PlaySound(const std::string& file) { sound_.Play(QString::fromStdString(file)); }

void CMainDlg::SetTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title)); }

void CMainDlg::SetStatusText(StatusField field, const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (field == StatusField::GoodsCount)
        control<QLabel>(this, kGoodsCountLabel)->setText(value);
    else
        control<CSegmentDisplay>(this, DisplayId(field))->SetText(value);
}

void CMainDlg::SetFameColour(bool good)
{
    auto* fame = control<CSegmentDisplay>(this, DisplayId(StatusField::Fame));
    fame->SetBackground(kBlack);
    fame->SetColours(kBlack, good ? kGreen : kRed);
}

void CMainDlg::ListChanged(ListId list)
{
    if (list == ListId::Market)
        market_->ShowRows(Cells(game_.market().rows), game_.market().Selected(), rowIcon_);
    else
        room_->ShowRows(Cells(game_.room().rows), game_.room().Selected(), rowIcon_);
}

void CMainDlg::FocusList(ListId list)
{
    CTradeListView* view = View(list);
    view->scrollToTop();
    view->setFocus();
}

void CMainDlg::MapChanged(int mapMode)
{
    for (const PlaceInfo& place : kPlaces)
        SetControlText(this, place.buttonId,
                       QString::fromUtf8(mapMode == 2 ? place.streetLabel : place.subwayLabel));
    const MapTexts& map = mapMode == 2 ? kStreetMap : kSubwayMap;
    SetControlText(this, kMapGroupId, QString::fromUtf8(map.groupBox));
    SetControlText(this, kMapToggleId, QString::fromUtf8(map.toggle));
}

void CMainDlg::CloseMainWindow(bool ok)
{
    closeRequest_ = ok;
}

void CMainDlg::Exit(int status) { std::exit(status); }

void CMainDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter is the dialog's OK command wherever no push button takes it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        done(QDialog::Accepted);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMainDlg::closeEvent(QCloseEvent* event)
{
    // The close box is disabled: only the game's commands, Enter and Esc end the window.
    event->ignore();
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ticker_) {
        if (event->type() == QEvent::Enter)
            ticker_->TrackPointer(true);
        else if (event->type() == QEvent::Leave)
            ticker_->TrackPointer(false);
    }
    return QDialog::eventFilter(watched, event);
}
