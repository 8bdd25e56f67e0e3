#include "platform/qt_japanese.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const char catalogue_name[] = "qtbase_ja";

}  // namespace

bool install_qt_japanese(const QString& folder)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return false;
    if (application->findChild<QTranslator*>(QLatin1String(catalogue_name), Qt::FindDirectChildrenOnly))
        return true;
    const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    // The exact file: QTranslator would otherwise fall back on other names
    // (qtbase.qm) that are not the Japanese catalogue.
    const QString file = QDir(from).filePath(QLatin1String(catalogue_name) + QLatin1String(".qm"));
    if (!QFileInfo(file).isFile())
        return false;
    auto* translator = new QTranslator(application);
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    translator->setObjectName(QLatin1String(catalogue_name));
    return true;
}
