#pragma once
// A clickable link text: underlined, blue, teal while it has the focus, purple
// once opened; pointing-hand pointer and the target as tooltip. Tab reaches it;
// it opens on release of a click and with the space bar or Enter, through the
// opener it was given; a failure beeps and tells why in a message box.

#include <QString>
#include <QWidget>

#include <functional>

#include "ui/controls/open_result.h"

class CHyperLink : public QWidget {
    Q_OBJECT
public:
    using Opener = std::function<OpenResult(const QString& target)>;

    CHyperLink(const QString& target, Opener opener, QWidget* parent = nullptr);

    QString target() const { return target_; }
    bool isActive() const { return active_; }
    bool isVisited() const { return visited_; }
    QColor textColour() const;

    // Shrinks the control to its text, keeping its left edge, or its centre
    // when centred.
    void FitToText(bool centred);

    void FollowLink();

    // "Can't open link:" and the text for a result code.
    static QString FailureText(int code);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString target_;
    Opener opener_;
    bool active_ = false;
    bool visited_ = false;
};
