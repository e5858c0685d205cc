#include "platform/QtFileDialogs.h"

#include <QFileDialog>

namespace tarvel {

namespace {

// The extension of the filter's first pattern: "ov1" for "OV1 Files (*.ov1);;All Files (*)".
QString FirstFilterSuffix(const QString& filter)
{
    const qsizetype star = filter.indexOf(QStringLiteral("(*."));
    if (star < 0)
        return QString();
    const qsizetype from = star + 3;
    qsizetype end = from;
    while (end < filter.size() && filter[end].isLetterOrNumber())
        ++end;
    return filter.mid(from, end - from);
}

} // namespace

// With no selected filter given, QFileDialog selects the first one. Open insists on an existing
// file; Save confirms an overwrite.

QString QtFileDialogs::OpenFile(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, folder, filter);
}

QString QtFileDialogs::SaveFile(const QString& title, const QString& folder, const QString& filter)
{
    QFileDialog dialog(m_parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the first filter's, so that the Open dialog shows it.
    dialog.setDefaultSuffix(FirstFilterSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace tarvel
