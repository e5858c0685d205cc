#pragma once

#include <QString>

namespace tarvel {

// Where the program keeps its files. AppFolder() is the writable per-user folder that holds the
// backup and the error log (an installed program's own folder is not writable); it always ends in
// "/" and exists. DataFolder() holds read-only data that comes with the installation (help pages).
class Folders {
public:
    virtual ~Folders() = default;
    virtual QString AppFolder() const = 0;
    virtual QString DataFolder() const = 0;
    // Where the file dialogs start for a diary that has no file yet: the user's documents folder,
    // never the hidden program folder. Ends in "/".
    virtual QString DocumentsFolder() const = 0;
};

// The standard per-user application data folder, created when missing.
class StandardFolders : public Folders {
public:
    QString AppFolder() const override;
    QString DataFolder() const override;
    QString DocumentsFolder() const override;
};

// Both folders inside one given root; tests use a temporary folder.
class FixedFolders : public Folders {
public:
    explicit FixedFolders(const QString& root);
    QString AppFolder() const override { return m_app; }
    QString DataFolder() const override { return m_data; }
    QString DocumentsFolder() const override { return m_documents; }

private:
    QString m_app;
    QString m_data;
    QString m_documents;
};

// A folder path with exactly one trailing "/".
QString WithTrailingSlash(const QString& folder);

} // namespace tarvel
