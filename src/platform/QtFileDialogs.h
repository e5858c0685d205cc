#pragma once

#include "platform/FileDialogs.h"

class QWidget;

namespace tarvel {

// OpenFile and SaveFile on QFileDialog, modal over the given parent.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    // The window the boxes are modal over and centred on.
    void SetParent(QWidget* parent) { m_parent = parent; }
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString SaveFile(const QString& title, const QString& folder, const QString& filter) override;

private:
    QWidget* m_parent;
};

} // namespace tarvel
