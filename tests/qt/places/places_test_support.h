#pragma once
// Shared pieces of the place tests: reading controls, answering the modal
// dialogs a visit opens one after another, and steps for those dialogs.

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <deque>
#include <functional>

#include "game/dialog_ids.h"
#include "game/ui.h"
#include "ui/framework/dialog_builder.h"
#include "ui/records/diary_dlg.h"
#include "window_test_support.h"

inline QString Text(const QWidget* dialog, int id)
{
    if (auto* label = control<QLabel>(dialog, id))
        return label->text();
    if (auto* button = control<QAbstractButton>(dialog, id))
        return button->text();
    if (auto* edit = control<QLineEdit>(dialog, id))
        return edit->text();
    return QStringLiteral("<no control %1>").arg(id);
}

// The texts of a dialog's statics in reading order: top to bottom, left to right.
inline QStringList LabelTexts(const QWidget* dialog)
{
    QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(), [](const QLabel* a, const QLabel* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QStringList texts;
    for (const QLabel* label : labels)
        if (label->pixmap().isNull())
            texts << label->text();
    return texts;
}

// Works the modal dialogs that open one after another, one step for each, in
// order. Diaries are read and closed without a step. A dialog beyond the steps
// is recorded and cancelled, so a test never waits on a dialog nobody expected.
class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;

    explicit ModalScript(std::initializer_list<Step> steps) : steps_(steps)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }

    QStringList seen;         // captions of the dialogs, in order, diaries included
    QStringList diaries;      // middle lines of the diaries
    QStringList unexpected;   // captions of the dialogs no step was left for
    std::size_t stepsLeft() const { return steps_.size(); }

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (modal == handled_) {
            // A step that should have closed its dialog did not: close it, so the test ends.
            if (sinceHandled_.elapsed() > kStuckMs) {
                unexpected << QStringLiteral("still open: ") + modal->windowTitle();
                qobject_cast<QDialog*>(modal)->reject();
            }
            return;
        }
        handled_ = modal;
        sinceHandled_.start();
        seen << modal->windowTitle();
        if (qobject_cast<CDiaryDlg*>(modal)) {
            diaries << Text(modal, 1052);
            QTimer::singleShot(0, modal, [modal] { qobject_cast<QDialog*>(modal)->accept(); });
        } else if (steps_.empty()) {
            unexpected << modal->windowTitle();
            QTimer::singleShot(0, modal, [modal] { qobject_cast<QDialog*>(modal)->reject(); });
        } else {
            Step step = steps_.front();
            steps_.pop_front();
            // Run outside the timer's handler: a timer does not fire again while
            // its handler runs, so a box the step brings would never be answered.
            QTimer::singleShot(0, modal, [step, modal] { step(modal); });
        }
    }

    static constexpr int kStuckMs = 3000;
    QTimer timer_;
    QElapsedTimer sinceHandled_;
    std::deque<Step> steps_;
    QPointer<QWidget> handled_;
};

inline ModalScript::Step Press(int buttonId)
{
    return [buttonId](QWidget* modal) { control<QPushButton>(modal, buttonId)->click(); };
}

inline ModalScript::Step Key(Qt::Key key)
{
    return [key](QWidget* modal) { QTest::keyClick(modal, key); };
}

// Types text into the dialog's number field (when given) and presses OK; the
// proposal found there first is kept in proposal.
inline ModalScript::Step EnterAndOk(const QString& text, QString* proposal = nullptr)
{
    return [text, proposal](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>();
        if (proposal)
            *proposal = edit->text();
        if (!text.isNull())
            edit->setText(text);
        control<QPushButton>(modal, kIdOk)->click();
    };
}

// Reads a message box and closes it.
inline ModalScript::Step ReadBox(QString* text)
{
    return [text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        *text = box ? box->text() : QStringLiteral("<not a box: %1>").arg(modal->windowTitle());
        qobject_cast<QDialog*>(modal)->accept();
    };
}

// Keeps a step's observation of the dialog, then runs the step.
inline ModalScript::Step Seeing(std::function<void(QWidget*)> look, ModalScript::Step step)
{
    return [look, step](QWidget* modal) {
        look(modal);
        step(modal);
    };
}
