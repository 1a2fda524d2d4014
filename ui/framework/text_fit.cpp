#include "ui/framework/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QVariant>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "records/catalogue.h"

namespace {

const char* const kLaterTexts = "laterTexts";
const char* const kFitted = "textsFitted";
const char* const kHotspot = "hotspot";

// A text whose bottom pixels fall this far outside its rectangle still reads.
constexpr int kSlackPixels = 2;
// Room a push button's frame takes on either side of its caption.
constexpr int kButtonMargin = 4;
// Room a group box's frame takes before and after its title.
constexpr int kGroupMargin = 8;
constexpr double kStep = 0.05;
constexpr double kMostWidening = 2.0;

QStringList TextsOf(const QWidget* control, const QString& current)
{
    QStringList texts = control->property(kLaterTexts).toStringList();
    texts.prepend(current);
    return texts;
}

bool LabelFits(const QLabel* label, const QString& text)
{
    const QRect box = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    if (!label->wordWrap())
        return metrics.horizontalAdvance(text) <= box.width();
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(word) > box.width())
            return false;
    const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), INT_MAX),
                                              Qt::TextWordWrap | label->alignment(), text);
    return needed.height() <= box.height() + kSlackPixels;
}

int ButtonTextRoom(const QAbstractButton* button)
{
    int room = button->width();
    if (qobject_cast<const QCheckBox*>(button)) {
        const QStyle* style = button->style();
        room -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    } else {
        room -= 2 * kButtonMargin;
        if (!button->icon().isNull())
            room -= button->iconSize().width() + kButtonMargin;
    }
    return room;
}

bool FitsOnce(const QWidget* control, const QString& text)
{
    if (text.isEmpty())
        return true;
    if (auto* label = qobject_cast<const QLabel*>(control))
        return LabelFits(label, text);
    const QFontMetrics metrics = control->fontMetrics();
    // Multi-line captions are measured line by line.
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return widest <= ButtonTextRoom(button);
    if (qobject_cast<const QGroupBox*>(control))
        return widest + 2 * kGroupMargin <= control->width();
    return true;
}

QString CurrentText(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return QString();
}

std::vector<QWidget*> Controls(QWidget* client)
{
    std::vector<QWidget*> controls;
    for (QObject* child : client->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            controls.push_back(widget);
    return controls;
}

bool AllFit(const std::vector<QWidget*>& controls)
{
    return std::all_of(controls.begin(), controls.end(), [](const QWidget* c) {
        return c->isHidden() || IsHotspot(c) || ShowsWholeText(c);
    });
}

int Scaled(int pixels, double factor) { return static_cast<int>(std::lround(pixels * factor)); }

class FitOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QWidget*>(watched);
        // Before the dialog's own show event, which centres it at its new size.
        if (dialog && event->type() == QEvent::Show && !dialog->property(kFitted).toBool()) {
            dialog->setProperty(kFitted, true);
            WidenToFitTexts(dialog);
        }
        return false;
    }
};

}  // namespace

void MarkAsHotspot(QWidget* control) { control->setProperty(kHotspot, true); }

bool IsHotspot(const QWidget* control) { return control->property(kHotspot).toBool(); }

void SetLaterTexts(QWidget* control, const QStringList& texts)
{
    control->setProperty(kLaterTexts, texts);
}

bool ShowsWholeText(const QWidget* control)
{
    const QStringList texts = TextsOf(control, CurrentText(control));
    return std::all_of(texts.begin(), texts.end(),
                       [control](const QString& text) { return FitsOnce(control, text); });
}

double WidenToFitTexts(QWidget* client)
{
    const std::vector<QWidget*> controls = Controls(client);
    if (AllFit(controls))
        return 1.0;
    std::vector<QRect> original;
    for (const QWidget* control : controls)
        original.push_back(control->geometry());
    const QSize size = client->size();
    double factor = 1.0;
    while (factor < kMostWidening) {
        factor = std::min(kMostWidening, factor + kStep);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const QRect& r = original[i];
            const int left = Scaled(r.x(), factor);
            controls[i]->setGeometry(left, r.y(), Scaled(r.x() + r.width(), factor) - left, r.height());
        }
        if (AllFit(controls))
            break;
    }
    client->setFixedSize(Scaled(size.width(), factor), size.height());
    return factor;
}

void FitTextsWhenShown(QWidget* dialog)
{
    if (CurrentLanguage() != Language::Chinese)
        dialog->installEventFilter(new FitOnShow(dialog));
}
