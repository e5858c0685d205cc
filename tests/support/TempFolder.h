#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

namespace tarvel::testing {

// A fresh folder removed with its content at the end of the test.
class TempFolder {
public:
    TempFolder()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("cannot create a temporary folder");
    }
    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }

    // Writes bytes to a file in the folder and returns its path.
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(File(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write a test file");
        return file.fileName();
    }

private:
    QTemporaryDir m_dir;
};

// The whole content of a file; an empty array when it cannot be read.
inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file of the checked-in test data.
inline QString TestDataPath(const QString& name)
{
    return QStringLiteral(TARVEL_TEST_DATA "/") + name;
}

} // namespace tarvel::testing
