#pragma once
// A flat push button that rises under the mouse and sinks when pressed, with an
// optional normal and hover icon left of its caption. A dotted focus rectangle
// shows that it has the focus when the keyboard brought it there; the mouse's
// looks stay free of it.

#include <QColor>
#include <QIcon>
#include <QPushButton>

class CHoverButton : public QPushButton {
    Q_OBJECT
public:
    explicit CHoverButton(QWidget* parent = nullptr);
    explicit CHoverButton(const QString& text, QWidget* parent = nullptr);

    // A null normal icon makes the hover icon serve in both states.
    void SetIcons(const QIcon& hover, const QIcon& normal = QIcon());
    void SetNormalBackground(const QColor& colour, bool redraw);
    void SetHoverBackground(const QColor& colour, bool redraw);

    bool isHovered() const { return hovered_; }
    bool hasIcons() const { return !hoverIcon_.isNull(); }
    bool showsFocus() const { return hasFocus() && keyboardFocus_; }
    QColor normalBackground() const { return normalBackground_; }
    QColor hoverBackground() const { return hoverBackground_; }

    // The place buttons' backgrounds: the button-face colour 0x0A darker in
    // every channel (normal) and 0x28 lighter (hover).
    struct Backgrounds {
        QColor normal;
        QColor hover;
    };
    static Backgrounds PlaceButtonBackgrounds(const QColor& buttonFace);

    static constexpr int kIconSize = 32;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void SetHovered(bool hovered);

    bool hovered_ = false;
    bool keyboardFocus_ = false;
    QIcon hoverIcon_;
    QIcon normalIcon_;
    QColor normalBackground_;
    QColor hoverBackground_;
};
