#include "ui/framework/dialog_builder.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <cstring>
#include <vector>

#include "game/ui.h"
#include "resources/layouts/picture_names.h"
#include "ui/controls/art.h"
#include "ui/controls/bitmap_static.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/hyper_link.h"
#include "ui/controls/segment_display.h"
#include "ui/controls/station_button.h"
#include "ui/controls/ticker_ctrl.h"
#include "ui/framework/desktop_open.h"
#include "ui/framework/dialog_units.h"
#include "ui/framework/fitting_edit.h"
#include "ui/framework/text_fit.h"
#include "ui/framework/tr.h"
#include "ui/controls/up_down.h"

namespace {

const char* const kIdProperty = "controlId";

// The text a control shows: captions in the interface language; a picture's,
// link's or edit's text is data and stays as the template has it.
QString ShownText(const ControlSpec& item)
{
    switch (item.kind) {
    case ControlKind::Label:
    case ControlKind::Group:
    case ControlKind::Button:
    case ControlKind::Station:
    case ControlKind::HoverButton:
    case ControlKind::CheckBox:
        return TrQ(item.text);
    default:
        return QString::fromUtf8(item.text);
    }
}

// A static text. The few a keyboard player stops on show the focus in a dotted frame.
class StaticText : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QLabel* MakeLabel(const ControlSpec& item, QWidget* parent)
{
    auto* label = new StaticText(ShownText(item), parent);
    label->setTextFormat(Qt::PlainText);
    // Statics wrap their text and start at the top, clipped by their rectangle.
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop |
                        ((item.style & kCentre) ? Qt::AlignHCenter : Qt::AlignLeft));
    return label;
}

// A picture keeps the natural size of its image, as a bitmap static does.
QLabel* MakePicture(const ControlSpec& item, QWidget* parent, QRect& rect)
{
    auto* label = new QLabel(parent);
    for (const PictureName& picture : kPictureNames)
        if (std::strcmp(item.text, picture.picture) == 0)
            label->setAccessibleName(TrQ(picture.name));
    const QSize natural = ArtSize(item.text);
    if (natural.isValid()) {
        label->setPixmap(ArtPixmap(item.text, natural, parent->devicePixelRatioF()));
        rect.setSize(natural);
    }
    return label;
}

QPushButton* MakeButton(const ControlSpec& item, QWidget* parent)
{
    auto* button = new QPushButton(ShownText(item), parent);
    button->setDefault(item.style & kDefault);
    return button;
}

QWidget* MakeStandard(const ControlSpec& item, QWidget* parent, QRect& rect)
{
    const QString text = ShownText(item);
    switch (item.kind) {
    case ControlKind::Label:
        return MakeLabel(item, parent);
    case ControlKind::Group:
        return new QGroupBox(text, parent);
    case ControlKind::Button:
        return MakeButton(item, parent);
    case ControlKind::Station:
        return new CStationButton(text, parent);
    case ControlKind::HoverButton: {
        auto* button = new CHoverButton(parent);
        button->setText(text);
        return button;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, parent);
        if (!(item.style & kAutoHScroll))
            LimitTextToBox(edit);
        return edit;
    }
    case ControlKind::UpDown:
        return new CUpDown(parent);
    case ControlKind::List: {
        auto* list = new QTreeWidget(parent);
        list->setRootIsDecorated(false);
        return list;
    }
    case ControlKind::Picture:
        return MakePicture(item, parent, rect);
    case ControlKind::Segment: {
        auto* display = new CSegmentDisplay(parent);
        if (!text.isEmpty())
            display->SetText(text);
        display->SetSunkenEdge(item.style & kSunken);
        return display;
    }
    case ControlKind::Ticker:
        return new CTickerCtrl(parent);
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::LinePicture: {
        auto* picture = new CBitmapStatic(parent);
        picture->Load(text);
        return picture;
    }
    case ControlKind::HyperLink:
        return new CHyperLink(text, &OpenWithDesktop, parent);
    case ControlKind::Memo: {
        auto* edit = new QPlainTextEdit(text, parent);
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return edit;
    }
    }
    return nullptr;
}

// An up-down with an automatic buddy sits at the right edge of the edit made
// just before it; the edit gives up that width.
void AttachToBuddy(CUpDown* upDown, QWidget* previous, QRect& rect)
{
    auto* buddy = qobject_cast<QLineEdit*>(previous);
    if (!buddy)
        return;
    QRect buddyRect = buddy->geometry();
    rect = QRect(buddyRect.right() + 1 - rect.width(), buddyRect.top(), rect.width(),
                 buddyRect.height());
    buddyRect.setWidth(buddyRect.width() - rect.width());
    buddy->setGeometry(buddyRect);
    upDown->SetBuddy(buddy);
}

// The first control of a template lies on top of the later ones; group boxes
// are frames behind everything. Statics and frames let clicks through.
void StackLikeTemplate(const std::vector<QWidget*>& created)
{
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        (*it)->raise();
    for (QWidget* widget : created) {
        if (qobject_cast<QGroupBox*>(widget))
            widget->lower();
        if (qobject_cast<QGroupBox*>(widget) || qobject_cast<QLabel*>(widget))
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

}  // namespace

void BuildControls(QWidget* client, const DialogTemplate& dialogTemplate,
                   const ControlFactory& custom)
{
    const DialogUnits units(client->font());
    QWidget* previous = nullptr;
    QLabel* lastLabel = nullptr;
    std::vector<QWidget*> created;
    for (const ControlSpec& item : dialogTemplate.controls) {
        QRect rect = units.ToPixels(item.x, item.y, item.w, item.h);
        QWidget* widget = custom ? custom(item, client) : nullptr;
        if (!widget)
            widget = MakeStandard(item, client, rect);
        if (auto* upDown = qobject_cast<CUpDown*>(widget))
            AttachToBuddy(upDown, previous, rect);
        // An edit is named after the static text before it, as screen readers
        // expect; a list after its heading.
        if (auto* label = qobject_cast<QLabel*>(widget))
            lastLabel = label;
        else if (lastLabel && qobject_cast<QLineEdit*>(widget))
            lastLabel->setBuddy(widget);
        else if (lastLabel && qobject_cast<QTreeWidget*>(widget))
            widget->setAccessibleName(lastLabel->text());
        widget->setProperty(kIdProperty, item.id);
        widget->setGeometry(rect);
        if (auto* link = qobject_cast<CHyperLink*>(widget))
            link->FitToText(item.style & kCentre);
        if (item.style & kHidden)
            widget->setHidden(true);
        if (item.style & kDisabled)
            widget->setEnabled(false);
        previous = widget;
        created.push_back(widget);
    }
    StackLikeTemplate(created);
    client->setFixedSize(units.ToPixels(dialogTemplate.width, dialogTemplate.height));
}

void SetUpDialog(QDialog* dialog, const DialogTemplate& dialogTemplate)
{
    dialog->setFont(DialogFont());
    dialog->setWindowTitle(TrQ(dialogTemplate.caption));
    BuildControls(dialog, dialogTemplate);
    FitTextsWhenShown(dialog);
    // A window without caption is named after its heading, its first text.
    if (dialog->windowTitle().isEmpty())
        for (const ControlSpec& item : dialogTemplate.controls)
            if (item.kind == ControlKind::Label && *item.text) {
                dialog->setAccessibleName(TrQ(item.text));
                break;
            }
    // The framework's default commands: button 1 is OK, button 2 Cancel.
    if (auto* ok = control<QPushButton>(dialog, kIdOk))
        QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    if (auto* cancel = control<QPushButton>(dialog, kIdCancel))
        QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

QWidget* FindControl(const QWidget* dialog, int id)
{
    const auto children = dialog->findChildren<QWidget*>();
    for (QWidget* child : children) {
        const QVariant value = child->property(kIdProperty);
        if (value.isValid() && value.toInt() == id)
            return child;
    }
    return nullptr;
}

void SetControlText(const QWidget* dialog, int id, const QString& text)
{
    QWidget* widget = FindControl(dialog, id);
    if (!widget)
        qWarning("%s has no control %d for the text \"%s\"", qPrintable(dialog->windowTitle()), id,
                 qPrintable(text));
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(text);
}
