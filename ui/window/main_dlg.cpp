#include "ui/window/main_dlg.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>
#include <utility>

#include "game/places_table.h"
#include "records/news_file.h"
#include "records/replay_folder.h"
#include "resources/layouts/layouts.h"
#include "ui/controls/art.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/segment_display.h"
#include "ui/controls/ticker_ctrl.h"
#include "ui/records/diary_dlg.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/dialog_units.h"
#include "ui/info/about_dlg.h"
#include "ui/info/fixed_text_dlgs.h"
#include "ui/info/help_command.h"
#include "ui/info/writing_dlg.h"
#include "ui/window/game_dialogs.h"
#include "ui/window/main_commands.h"
#include "ui/window/main_menu.h"
#include "ui/window/system_menu.h"
#include "ui/framework/message_box.h"
#include "ui/records/news_dlg.h"
#include "ui/controls/report_list.h"
#include "ui/trading/row_drag.h"
#include "ui/records/story_dlg.h"
#include "ui/trading/trade_list_view.h"
#include "ui/framework/text_fit.h"
#include "ui/framework/tr.h"

namespace {


// What a screen reader calls the status displays, the lists and the ticker.
const std::pair<StatusField, const char*> kDisplayNames[] = {
    {StatusField::Cash, N_("现金")},
    {StatusField::Savings, N_("存款")},
    {StatusField::Debt, N_("欠债")},
    {StatusField::Health, N_("健康")},
    {StatusField::Fame, N_("名声")},
};
const char* const kMarketName = N_("黑市");
const char* const kRoomName = N_("您的出租屋");
const char* const kTickerName = N_("新闻");

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
    return kGoodsCountLabelId;
}

struct PlaceButtonIcons {
    int id;
    const char* hover;
    const char* normal;
};

const PlaceButtonIcons kPlaceIcons[] = {
    {kBankButtonId, "icon167", "icon166"},
    {kHospitalButtonId, "icon165", "icon162"},
    {kPostOfficeButtonId, "icon169", "icon168"},
    {kRentAgentButtonId, "icon161", "icon163"},
    {kNetCafeButtonId, "icon171", "icon170"},
};

const int kHoverButtonIds[] = {kPostOfficeButtonId, kNetCafeButtonId, kRentAgentButtonId,
                               kHospitalButtonId,   kBankButtonId,    kBossButtonId,
                               kMapToggleId};

using GameHandler = void (Game::*)();
using WindowHandler = void (CMainDlg::*)();

// Buttons and menu commands run by the rules.
const std::pair<int, GameHandler> kGameButtons[] = {
    {kMapToggleId, &Game::ToggleMap},
    {kBuyButtonId, &Game::OnBuy},
    {kSellButtonId, &Game::OnSell},
    {kBuyAllButtonId, &Game::OnBuyAll},
    {kSellAllButtonId, &Game::OnSellAll},
    {kBankButtonId, &Game::OnBank},
    {kHospitalButtonId, &Game::OnHospital},
    {kPostOfficeButtonId, &Game::OnPostOffice},
    {kRentAgentButtonId, &Game::OnRentAgent},
    {kNetCafeButtonId, &Game::OnNetCafe},
};

const std::pair<int, GameHandler> kGameCommands[] = {
    {kCmdNewGame, &Game::NewGame},
    {kCmdTopTen, &Game::OnTopTen},
    {kCmdSettings, &Game::OnSettings},
    {kCmdQuit, &Game::FinishGame},
    {kCmdBank, &Game::OnBank},
    {kCmdPostOffice, &Game::OnPostOffice},
    {kCmdHospital, &Game::OnHospital},
    {kCmdRentAgent, &Game::OnRentAgent},
    {kCmdAirport, &Game::OnAirport},
    {kCmdNetCafe, &Game::OnNetCafe},
};

// Screens of the window alone: they leave the game as it is.
const std::vector<std::pair<int, WindowHandler>> kWindowButtons = {
    {kBossButtonId, &CMainDlg::OnBoss},
};

const std::pair<int, WindowHandler> kWindowCommands[] = {
    {kCmdStory, &CMainDlg::OnStory},
    {kCmdCityIntro, &CMainDlg::OnCityIntro},
    {kCmdHelp, &CMainDlg::OnHelp},
    {kCmdAbout, &CMainDlg::OnAbout},
};

std::vector<std::vector<std::string>> Cells(const auto& rows)
{
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    for (const auto& row : rows)
        cells.push_back(CellTexts(row));
    return cells;
}

}  // namespace

CMainDlg::CMainDlg(const std::string& dir, QWidget* parent)
    : CMainDlg(GameFolders::Single(dir), parent)
{
}

CMainDlg::CMainDlg(GameFolders folders, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint),
      folders_(std::move(folders)),
      recorder_(*this, SaveReplaysIn(folders_.score)),
      game_(recorder_, folders_),
      sound_(QString::fromStdString(folders_.content)),
      rowIcon_(ArtIcon("icon146"))
{
    setFont(DialogFont());
    setWindowTitle(TrQ(kMainTemplate.caption));
    setWindowIcon(ArtIcon("icon128"));

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
    FitTexts(client);
    ConnectCommands();
    InstallSystemMenu(this);
    game_.SetRecorder(&recorder_);
    Dispatch([this] { game_.OpenWindow(); });
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::SetUpLists()
{
    market_ = control<CTradeListView>(this, kMarketListId);
    room_ = control<CTradeListView>(this, kRoomListId);
    market_->setAccessibleName(TrQ(kMarketName));
    room_->setAccessibleName(TrQ(kRoomName));
    SetUpReportList(market_, {{Tr("商品"), 150}, {Tr("黑市价格"), 67}, {"", 27}});
    SetUpReportList(room_, {{Tr("商品"), 100}, {Tr("买进价格"), 67}, {Tr("数量"), 57}});
    drag_ = std::make_unique<RowDrag>(market_, room_);
}

void CMainDlg::SetUpStatusPanel()
{
    auto* debt = control<CSegmentDisplay>(this, DisplayId(StatusField::Debt));
    debt->SetBackground(kBlack);
    debt->SetColours(kBlack, kRed);
    for (const auto& [field, name] : kDisplayNames)
        control<CSegmentDisplay>(this, DisplayId(field))->SetCaption(TrQ(name));
    // The room count is a stop of the Tab order too, read with the room's name.
    control<QLabel>(this, kGoodsCountLabelId)->setFocusPolicy(Qt::TabFocus);
}

void CMainDlg::SetUpTicker()
{
    ticker_ = control<CTickerCtrl>(this, kTickerId);
    ticker_->setAccessibleName(TrQ(kTickerName));
    ticker_->SetText(MakeNewsText(" Loading data, please wait..."));
    ticker_->Start(QColor(255, 255, 255), QColor(255, 255, 43), QStringLiteral("Comic Sans MS"),
                   17, 4, 2, folders_.content);
    ticker_->SetStep(2);
    ticker_->installEventFilter(this);
}

void CMainDlg::SetUpPlaceButtons()
{
    for (const PlaceButtonIcons& icons : kPlaceIcons)
        control<CHoverButton>(this, icons.id)
            ->SetIcons(ArtIcon(icons.hover), ArtIcon(icons.normal));
    const auto backgrounds =
        CHoverButton::PlaceButtonBackgrounds(palette().color(QPalette::Button));
    for (int id : kHoverButtonIds) {
        auto* button = control<CHoverButton>(this, id);
        button->SetNormalBackground(backgrounds.normal, false);
        button->SetHoverBackground(backgrounds.hover, false);
    }
}

void CMainDlg::FitTexts(QWidget* client)
{
    // Both maps' labels must fit, whichever map is shown.
    for (const PlaceInfo& place : kPlaces)
        SetLaterTexts(control<QWidget>(this, place.buttonId), {TrQ(place.streetLabel), TrQ(place.subwayLabel)});
    SetLaterTexts(control<QWidget>(this, kMapGroupId), {TrQ(kStreetMap.groupBox), TrQ(kSubwayMap.groupBox)});
    SetLaterTexts(control<QWidget>(this, kMapToggleId), {TrQ(kStreetMap.toggle), TrQ(kSubwayMap.toggle)});
    if (CurrentLanguage() == Language::Chinese)
        return;
    const double factor = WidenToFitTexts(client);
    for (QTreeWidget* list : {static_cast<QTreeWidget*>(market_), static_cast<QTreeWidget*>(room_)})
        for (int c = 0; c < list->columnCount(); ++c)
            list->setColumnWidth(c, static_cast<int>(list->columnWidth(c) * factor));
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
    for (const auto& [id, handler] : kGameButtons)
        connect(control<QPushButton>(this, id), &QPushButton::clicked, this,
                [this, handler = handler] { Dispatch([this, handler] { (game_.*handler)(); }); });
    for (const auto& [id, handler] : kWindowButtons)
        connect(control<QPushButton>(this, id), &QPushButton::clicked, this, handler);
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
    if (id == kCmdNewGame)
        drag_->Cancel();
    for (const auto& [command, handler] : kGameCommands)
        if (command == id) {
            Dispatch([this, handler = handler] { (game_.*handler)(); });
            return;
        }
    for (const auto& [command, handler] : kWindowCommands)
        if (command == id) {
            (this->*handler)();
            return;
        }
    ShowMessageBox(this, QStringLiteral("No handler for command %1.").arg(id), Icon::Stop);
}

void CMainDlg::OnStory()
{
    CStoryDlg story(1, folders_, this);
    story.exec();
}

void CMainDlg::OnBoss()
{
    CWritingDlg writing(this);
    writing.exec();
}

void CMainDlg::OnCityIntro()
{
    CCityIntroDlg intro(this);
    intro.exec();
}

void CMainDlg::OnHelp() { OpenHelpPage(this, game_.state().helpPath); }

void CMainDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainDlg::Dispatch(const std::function<void()>& handler)
{
    ++dispatchDepth_;
    handler();
    --dispatchDepth_;
    if (dispatchDepth_ == 0)
        delete lingering_.data();   // no dialog outlives the command that opened it
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
    // A dialog left on screen by the one before lies under this one and
    // closes after it.
    const QPointer<QDialog> under = std::exchange(lingering_, nullptr);
    GameDialogRun run = RunGameDialog(request, under ? under.data() : static_cast<QWidget*>(this));
    lingering_ = run.lingering.release();
    delete under.data();
    return run.answer;
}

void CMainDlg::PlaySound(const std::string& file) { sound_.Play(QString::fromStdString(file)); }

void CMainDlg::SetTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title)); }

void CMainDlg::SetStatusText(StatusField field, const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (field == StatusField::GoodsCount) {
        auto* count = control<QLabel>(this, kGoodsCountLabelId);
        count->setText(value);
        count->setAccessibleName(TrQ(kRoomName) + QLatin1Char(' ') + value);
    } else {
        control<CSegmentDisplay>(this, DisplayId(field))->SetText(value);
    }
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
                       TrQ(mapMode == 2 ? place.streetLabel : place.subwayLabel));
    const MapTexts& map = mapMode == 2 ? kStreetMap : kSubwayMap;
    SetControlText(this, kMapGroupId, TrQ(map.groupBox));
    SetControlText(this, kMapToggleId, TrQ(map.toggle));
}

void CMainDlg::CloseMainWindow(bool ok)
{
    closeRequest_ = ok;
}

void CMainDlg::Exit(int status) { std::exit(status); }

void CMainDlg::WaitingForFile()
{
    // Paints and the ticker go on; clicks and keys wait until the rules are done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

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
