#pragma once
// Spin arrows beside a number edit, with the 16-bit control's range behaviour:
// the range runs from lower to upper as given, so it may be reversed (1 to 0);
// up steps toward upper, down toward lower, never leaving the range. The
// position is the buddy edit's integer, written back as plain decimal.

#include <QWidget>

class QLineEdit;
class QToolButton;

class CUpDown : public QWidget {
    Q_OBJECT
public:
    explicit CUpDown(QWidget* parent = nullptr);

    // Up and Down keys in the buddy spin as the arrows do.
    void SetBuddy(QLineEdit* buddy);
    void SetRange(int lower, int upper);

    int lower() const { return lower_; }
    int upper() const { return upper_; }
    QLineEdit* buddy() const { return buddy_; }
    // The buddy's integer clamped into the range; the lower end when it is no number.
    int Position() const;
    // Writes position, clamped into the range, into the buddy.
    void SetPosition(int position);

    void StepUp();
    void StepDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void StepToward(int end);

    QLineEdit* buddy_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
    int lower_ = 0;
    int upper_ = 100;
};
