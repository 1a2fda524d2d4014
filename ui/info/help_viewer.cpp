#include "ui/info/help_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "records/gbk.h"

namespace {

const char* const kViewerName = "helpViewer";

// Wide enough for the page's 820-pixel column, as a browser window would be.
constexpr QSize kViewerSize(880, 680);

}  // namespace

QTextBrowser* HelpViewerOf(QWidget* owner)
{
    return owner->findChild<QTextBrowser*>(QString::fromLatin1(kViewerName), Qt::FindDirectChildrenOnly);
}

bool ShowHelpViewer(QWidget* owner, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    QTextBrowser* viewer = HelpViewerOf(owner);
    if (!viewer) {
        viewer = new QTextBrowser(owner);
        viewer->setObjectName(QString::fromLatin1(kViewerName));
        viewer->setWindowFlags(Qt::Window);
        viewer->setOpenExternalLinks(true);
        viewer->resize(kViewerSize);
    }
    viewer->setSearchPaths({QFileInfo(path).absolutePath()});
    viewer->setHtml(QString::fromStdString(GbkToUtf8(bytes.toStdString())));
    viewer->setWindowTitle(viewer->documentTitle());
    viewer->setAccessibleName(viewer->documentTitle());
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}
