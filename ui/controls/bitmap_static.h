#pragma once
// A picture stretched over the whole control (the subway-line strip of the
// main window); without one the control shows the button-face colour.

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

class CBitmapStatic : public QWidget {
    Q_OBJECT
public:
    explicit CBitmapStatic(QWidget* parent = nullptr);

    // Shows one of the game's pictures (ui/controls/art.h), by name. On failure
    // the previous picture stays. Returns whether it loaded.
    bool Load(const QString& name);
    // Shows the given image; a null image changes nothing.
    bool SetPicture(const QImage& picture);

    bool hasPicture() const { return !picture_.isNull(); }
    QString pictureName() const { return name_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString name_;
    QImage picture_;   // the drawing sharp enough for the screen
    QPixmap rendered_;  // the picture at the widget's size and pixel ratio
};
