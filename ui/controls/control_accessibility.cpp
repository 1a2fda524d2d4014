#include "ui/controls/control_accessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QMetaObject>

#include <limits>

#include "ui/controls/hyper_link.h"
#include "ui/controls/segment_display.h"
#include "ui/controls/station_button.h"
#include "ui/controls/up_down.h"

namespace {

// Actions that may open a modal dialog run once the screen reader's call has
// returned, so the call never waits for the player to close that dialog.
template <class Object, class Method>
void Later(Object* object, Method method)
{
    QMetaObject::invokeMethod(object, method, Qt::QueuedConnection);
}

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(CHyperLink* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Description)
            return link()->target();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        s.traversed = link()->isVisited();
        return s;
    }
    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Later(link(), &CHyperLink::FollowLink);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    CHyperLink* link() const { return static_cast<CHyperLink*>(widget()); }
};

class StationAccessible : public QAccessibleWidget {
public:
    explicit StationAccessible(CStationButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QString(button()->text()).remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Later(button(), &QAbstractButton::click);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    CStationButton* button() const { return static_cast<CStationButton*>(widget()); }
};

// A number with a range, read and set as a value.
class ValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant minimumStepSize() const override { return 1; }
};

class SegmentAccessible : public ValueAccessible {
public:
    explicit SegmentAccessible(CSegmentDisplay* display)
        : ValueAccessible(display, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return display()->text();
        return ValueAccessible::text(t);
    }
    QVariant currentValue() const override
    {
        bool ok = false;
        const int value = display()->text().toInt(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    // The display only shows what the game sets.
    void setCurrentValue(const QVariant&) override {}
    QVariant minimumValue() const override { return std::numeric_limits<int>::min(); }
    QVariant maximumValue() const override { return std::numeric_limits<int>::max(); }

private:
    CSegmentDisplay* display() const { return static_cast<CSegmentDisplay*>(widget()); }
};

class UpDownAccessible : public ValueAccessible {
public:
    explicit UpDownAccessible(CUpDown* upDown) : ValueAccessible(upDown, QAccessible::SpinBox) {}

    // Named after the number it spins, as the edit is.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && upDown()->buddy())
            if (QAccessibleInterface* buddy = QAccessible::queryAccessibleInterface(upDown()->buddy()))
                return buddy->text(QAccessible::Name);
        if (t == QAccessible::Value)
            return QString::number(upDown()->Position());
        return ValueAccessible::text(t);
    }
    QVariant currentValue() const override { return upDown()->Position(); }
    void setCurrentValue(const QVariant& value) override { upDown()->SetPosition(value.toInt()); }
    QVariant minimumValue() const override { return std::min(upDown()->lower(), upDown()->upper()); }
    QVariant maximumValue() const override { return std::max(upDown()->lower(), upDown()->upper()); }

private:
    CUpDown* upDown() const { return static_cast<CUpDown*>(widget()); }
};

QAccessibleInterface* ControlInterface(const QString& key, QObject* object)
{
    if (key == QLatin1String("CHyperLink"))
        return new LinkAccessible(static_cast<CHyperLink*>(object));
    if (key == QLatin1String("CStationButton"))
        return new StationAccessible(static_cast<CStationButton*>(object));
    if (key == QLatin1String("CSegmentDisplay"))
        return new SegmentAccessible(static_cast<CSegmentDisplay*>(object));
    if (key == QLatin1String("CUpDown"))
        return new UpDownAccessible(static_cast<CUpDown*>(object));
    return nullptr;
}

}  // namespace

void InstallControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&ControlInterface);
        return true;
    }();
    (void)installed;
}
