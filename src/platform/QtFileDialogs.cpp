#include "platform/QtFileDialogs.h"

#include <QFileDialog>

namespace tarvel {

// With no selected filter given, QFileDialog selects the first one. Its defaults already give what
// callers rely on: Open insists on an existing file, Save confirms an overwrite and has no default
// suffix.

QString QtFileDialogs::OpenFile(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, folder, filter);
}

QString QtFileDialogs::SaveFile(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(m_parent, title, folder, filter);
}

} // namespace tarvel
