#include "platform/QtMessageService.h"

#include "platform/TextTable.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace tarvel {

namespace {

QMessageBox::StandardButtons ButtonsFor(ButtonKind buttonKind)
{
    switch (buttonKind) {
    case ButtonsOkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case ButtonsAbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case ButtonsYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case ButtonsYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case ButtonsRetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconFor(IconKind iconKind)
{
    switch (iconKind) {
    case IconCritical:
        return QMessageBox::Critical;
    case IconQuestion:
        return QMessageBox::Question;
    case IconExclamation:
        return QMessageBox::Warning;
    case IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton ButtonFor(Answer answer)
{
    switch (answer) {
    case AnswerOk:
        return QMessageBox::Ok;
    case AnswerCancel:
        return QMessageBox::Cancel;
    case AnswerAbort:
        return QMessageBox::Abort;
    case AnswerRetry:
        return QMessageBox::Retry;
    case AnswerIgnore:
        return QMessageBox::Ignore;
    case AnswerYes:
        return QMessageBox::Yes;
    case AnswerNo:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

Answer AnswerFor(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return AnswerOk;
    case QMessageBox::Cancel:
        return AnswerCancel;
    case QMessageBox::Abort:
        return AnswerAbort;
    case QMessageBox::Retry:
        return AnswerRetry;
    case QMessageBox::Ignore:
        return AnswerIgnore;
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    default:
        // Closing the box with Escape or the window button counts as its escape button.
        return AnswerCancel;
    }
}

} // namespace

Answer QtMessageService::ShowMessage(const QString& text, ButtonKind buttonKind, IconKind iconKind)
{
    return ShowQuestion(text, buttonKind, iconKind, DefaultKeys(buttonKind));
}

Answer QtMessageService::ShowQuestion(const QString& text, ButtonKind buttonKind, IconKind iconKind,
                                      MessageKeys keys)
{
    QMessageBox box(IconFor(iconKind), LoadText(TextId::AppName), text, ButtonsFor(buttonKind), m_parent);
    // Messages can quote what the user typed: shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (QAbstractButton* enter = box.button(ButtonFor(keys.enter)))
        box.setDefaultButton(qobject_cast<QPushButton*>(enter));
    QAbstractButton* escape = box.button(ButtonFor(keys.escape));
    if (escape == nullptr && keys.escape == AnswerCancel) {
        // A Cancel the box does not show: Escape and the close button press it.
        escape = box.addButton(QMessageBox::Cancel);
        escape->hide();
    }
    if (escape != nullptr)
        box.setEscapeButton(escape);
    return AnswerFor(box.exec());
}

} // namespace tarvel
