#include "ui/framework/application_style.h"

#include <QApplication>
#include <qdrawutil.h>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

constexpr const char* kFusionGroupBoxFrame = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int kFusionGroupBoxTopMargin = 3;
constexpr QMargins kFusionGroupBoxBorder(6, 6, 6, 6);

class ApplicationStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
            return QIcon();
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion") ||
            GroupBoxFrame().isNull()) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // As Fusion places it: below the title, or near the top without one.
        int topMargin = kFusionGroupBoxTopMargin;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        if (!box || box->isCheckable() || !box->title().isEmpty())
            topMargin += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
        qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), kFusionGroupBoxBorder,
                          GroupBoxFrame());
    }

private:
    const QPixmap& GroupBoxFrame() const
    {
        if (!frameRead_) {
            frameRead_ = true;
            QImageReader reader(QString::fromLatin1(kFusionGroupBoxFrame), "png");
            reader.setAutoDetectImageFormat(false);
            frame_ = QPixmap::fromImage(reader.read());
        }
        return frame_;
    }

    mutable QPixmap frame_;
    mutable bool frameRead_ = false;
};

}  // namespace

void InstallApplicationStyle(QApplication& app) { app.setStyle(new ApplicationStyle); }
