#pragma once
// A picture stretched over the whole control (the subway-line strip of the
// main window); without one the control shows the button-face colour.

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>

class QSvgRenderer;

class CBitmapStatic : public QWidget {
    Q_OBJECT
public:
    explicit CBitmapStatic(QWidget* parent = nullptr);
    ~CBitmapStatic() override;

    // Loads an SVG picture (a resource path such as ":/art/bitmap170.svg").
    // On failure the previous picture stays. Returns whether it loaded.
    bool Load(const QString& resourcePath);

    bool hasPicture() const { return renderer_ != nullptr; }
    QString resourcePath() const { return path_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString path_;
    std::unique_ptr<QSvgRenderer> renderer_;
    QPixmap rendered_;  // the picture at the widget's size and pixel ratio
};
