#include "ui/framework/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "torvane_config.h"
#include "ui/framework/dialog_units.h"

namespace {

// The game speaks Chinese, and so must the buttons Qt draws ("确定", "是", "否").
constexpr const char* kInterfaceLanguage = "zh_CN";

}  // namespace

bool InstallQtTranslation(QApplication& app, const char* language)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_") + QString::fromLatin1(language),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void SetUpApplication(QApplication& app)
{
    RegisterFontSubstitutes();
    InstallQtTranslation(app, kInterfaceLanguage);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kTorvaneAppId));
}
