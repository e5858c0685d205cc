#pragma once

#include "platform/MessageService.h"

class QWidget;

namespace tarvel {

// ShowMessage on a QMessageBox, modal over the given parent.
class QtMessageService : public MessageService {
public:
    explicit QtMessageService(QWidget* parent = nullptr) : m_parent(parent) {}
    // The window the boxes are modal over and centred on.
    void SetParent(QWidget* parent) { m_parent = parent; }
    Answer ShowMessage(const QString& text, ButtonKind buttons, IconKind icon) override;
    Answer ShowQuestion(const QString& text, ButtonKind buttons, IconKind icon, MessageKeys keys) override;

private:
    QWidget* m_parent;
};

} // namespace tarvel
