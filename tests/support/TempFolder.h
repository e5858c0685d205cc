#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tarvel::testing {

// A fresh folder removed with its content at the end of the test.
class TempFolder {
public:
    TempFolder();
    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }

    // Writes bytes to a file in the folder and returns its path.
    QString Write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

// The whole content of a file; an empty array when it cannot be read.
QByteArray ReadBytes(const QString& path);

// A file of the checked-in test data.
QString TestDataPath(const QString& name);

} // namespace tarvel::testing
