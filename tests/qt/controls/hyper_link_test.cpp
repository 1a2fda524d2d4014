// The link control: its colours as painted in each state, opening through the
// desktop's handler (a stand-in xdg-open), and the failure box.

#include <QAccessible>
#include <QMessageBox>
#include <QTimer>

#include "offscreen_test_main.h"
#include "stand_in_opener.h"
#include "ui/controls/hyper_link.h"
#include "ui/framework/desktop_open.h"

namespace {

const QString kTarget = QStringLiteral("https://forum.torvane.example/");

bool HasPixel(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// The colours of the palette that appear in the link as painted.
QList<QColor> PaintedLinkColours(CHyperLink* link)
{
    const QImage image = link->grab().toImage();
    QList<QColor> found;
    for (const QColor& colour : {QColor(0, 0, 255), QColor(0, 128, 128), QColor(128, 0, 128)})
        if (HasPixel(image, colour))
            found << colour;
    return found;
}

// Reads and closes the next message box; empty text when none came.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

QTimer* CatchBox(SeenBox* seen)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        *seen = {box->windowTitle(), box->text(), box->icon()};
        box->accept();
    });
    timer->start();
    return timer;
}

void Click(QWidget* widget)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
}

}  // namespace

class HyperLinkTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        window_->resize(400, 100);
        link_ = new CHyperLink(kTarget, &OpenWithDesktop, window_.get());
        link_->setGeometry(10, 10, 300, 30);
        other_ = new QWidget(window_.get());
        other_->setFocusPolicy(Qt::StrongFocus);
        other_->setGeometry(10, 50, 50, 20);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        // The link is first in the Tab order; the tests start with it unfocused.
        other_->setFocus();
    }
    void cleanup() { window_.reset(); }

    void attachedLinkShowsItsTarget()
    {
        QCOMPARE(link_->toolTip(), kTarget);
        QCOMPARE(link_->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link_->font().underline());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link_);
        QCOMPARE(accessible->text(QAccessible::Name), kTarget);

        link_->FitToText(false);
        QCOMPARE(link_->geometry().topLeft(), QPoint(10, 10));
        QCOMPARE(link_->size(), QFontMetrics(link_->font()).size(Qt::TextSingleLine, kTarget));
        link_->setGeometry(10, 10, 300, 30);
        link_->FitToText(true);
        QCOMPARE(link_->geometry().center().x(), QRect(10, 10, 300, 30).center().x());
    }

    void coloursFollowTheStates()
    {
        StandInOpener opener;
        QCOMPARE(PaintedLinkColours(link_), QList<QColor>({QColor(0, 0, 255)}));

        QTest::mousePress(link_, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QVERIFY(link_->hasFocus());
        QCOMPARE(PaintedLinkColours(link_), QList<QColor>({QColor(0, 128, 128)}));
        QVERIFY(opener.Opened().isEmpty());   // it opens on release, not on press
        QTest::mouseRelease(link_, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(opener.Opened(), kTarget);
        // Opened but still focused: teal until the focus goes.
        QCOMPARE(PaintedLinkColours(link_), QList<QColor>({QColor(0, 128, 128)}));
        other_->setFocus();
        QCOMPARE(PaintedLinkColours(link_), QList<QColor>({QColor(128, 0, 128)}));
    }

    void tabReachesTheLinkAndSpaceOrEnterOpensIt()
    {
        StandInOpener opener;
        other_->setFocus();
        QTest::keyClick(other_, Qt::Key_Tab);
        QVERIFY(link_->hasFocus());
        QTest::keyClick(link_, Qt::Key_A);
        QVERIFY(opener.Opened().isEmpty());
        QTest::keyClick(link_, Qt::Key_Space);
        QCOMPARE(opener.Opened(), kTarget);
        QVERIFY(link_->isVisited());
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            opener.Forget();
            QTest::keyClick(link_, key);
            QCOMPARE(opener.Opened(), kTarget);
        }
    }

    void failuresAreToldWithTheirReason_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no tool") << 3
            << "There is no application associated\nwith the given filename extension.";
        QTest::newRow("file not found") << 2 << "The specified file was not found.";
        QTest::newRow("action failed") << 4 << "Unknown Error (4) occurred.";
        QTest::newRow("unlisted") << 42 << "Unknown Error (42) occurred.";
    }
    void failuresAreToldWithTheirReason()
    {
        QFETCH(int, status);
        QFETCH(QString, reason);
        StandInOpener opener;
        opener.SetStatus(status);
        SeenBox seen;
        CatchBox(&seen);
        Click(link_);
        QCOMPARE(opener.Opened(), kTarget);
        QCOMPARE(seen.text, "Can't open link:\n\n" + reason);
        QCOMPARE(seen.caption, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
        QCOMPARE(seen.icon, QMessageBox::Warning);
        link_->clearFocus();
        QVERIFY(!link_->isVisited());
        QCOMPARE(PaintedLinkColours(link_), QList<QColor>({QColor(0, 0, 255)}));
    }

    void noHandlerOnThePath()
    {
        StandInOpener opener;
        opener.Remove();
        SeenBox seen;
        CatchBox(&seen);
        Click(link_);
        QCOMPARE(seen.text, QStringLiteral("Can't open link:\n\nThere is no application associated\n"
                                           "with the given filename extension."));
        QVERIFY(!link_->isVisited());
    }

    void aHandlerThatKeepsRunningCountsAsOpened()
    {
        // A browser run in the foreground: the link does not wait for its end,
        // which here would be a failure.
        StandInOpener opener;
        QTemporaryDir dir;
        QFile slow(dir.filePath(QStringLiteral("xdg-open")));
        slow.open(QIODevice::WriteOnly);
        slow.write("#!/bin/sh\nsleep 3\nexit 1\n");
        slow.close();
        slow.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(dir.path()) + ":/usr/bin:/bin");
        QVERIFY(OpenWithDesktop(kTarget).opened);
    }

private:
    std::unique_ptr<QWidget> window_;
    CHyperLink* link_ = nullptr;
    QWidget* other_ = nullptr;
};

TORVANE_OFFSCREEN_TEST_MAIN(HyperLinkTest)
#include "hyper_link_test.moc"
