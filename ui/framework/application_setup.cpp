#include "ui/framework/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "torvane_config.h"
#include "ui/framework/application_style.h"
#include "ui/framework/dialog_units.h"

namespace {

// In Chinese the buttons Qt draws speak Chinese too ("确定", "是", "否"); Qt's
// own texts are English already.
constexpr const char* kChineseQtTexts = "zh_CN";

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

void SetUpApplication(QApplication& app, Language language)
{
    InstallApplicationStyle(app);
    RegisterFontSubstitutes();
    if (language == Language::Chinese)
        InstallQtTranslation(app, kChineseQtTexts);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kTorvaneAppId));
}
