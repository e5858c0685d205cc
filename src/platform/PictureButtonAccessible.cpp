#include "platform/PictureButtonAccessible.h"

#include "platform/PictureButton.h"

#include <QAccessibleWidget>

namespace tarvel {

namespace {

class AccessiblePictureButton : public QAccessibleWidget {
public:
    explicit AccessiblePictureButton(PictureButton* button) : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        // The three "Enter" buttons share a caption; the page names each of them.
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Button()->Caption();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Button()->IsDown();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Button()->Click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureButton* Button() const { return static_cast<PictureButton*>(widget()); }
};

QAccessibleInterface* MakeInterface(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<PictureButton*>(object))
        return new AccessiblePictureButton(button);
    return nullptr;
}

} // namespace

void InstallPictureButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    (void)installed;
}

} // namespace tarvel
