#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace tarvel {

QString WithTrailingSlash(const QString& folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString StandardFolders::AppFolder() const
{
    QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (path.isEmpty())
        path = QDir::homePath() + QStringLiteral("/.local/share/Tarvel");
    QDir().mkpath(path);
    return WithTrailingSlash(path);
}

QString StandardFolders::DataFolder() const
{
    // Installed data lives in <prefix>/share/tarvel beside <prefix>/bin; a build tree has none.
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tarvel");
    return WithTrailingSlash(QDir::cleanPath(installed));
}

QString StandardFolders::DocumentsFolder() const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists())
        return WithTrailingSlash(documents);
    return WithTrailingSlash(QDir::homePath());
}

FixedFolders::FixedFolders(const QString& root)
    : m_app(WithTrailingSlash(root + QStringLiteral("/app"))),
      m_data(WithTrailingSlash(root + QStringLiteral("/data"))),
      m_documents(WithTrailingSlash(root + QStringLiteral("/documents")))
{
    QDir().mkpath(m_app);
    QDir().mkpath(m_data);
    QDir().mkpath(m_documents);
}

} // namespace tarvel
