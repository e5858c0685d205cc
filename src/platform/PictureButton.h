#pragma once

#include <QPixmap>
#include <QWidget>

namespace tarvel {

// A button drawn as a picture with its caption on it. A press of any mouse button shows the down
// picture; the release shows the up picture again and then reports Released, wherever the pointer
// is by then (the Diary page runs the button's action on it). A disabled button reacts to nothing
// and shows its picture faded. Until it is given a pair of pictures it draws a plain shaded face.
class PictureButton : public QWidget {
    Q_OBJECT

public:
    // Large is the Diary page's big action button, Wide the small "Enter" button beside an input.
    enum class Kind { Large, Wide };

    PictureButton(const QString& caption, Kind kind, QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool IsDown() const { return m_down; }
    // A press and its release at once, as a screen reader's press action gives them; nothing while
    // disabled.
    void Click();

    // The up and down pictures. A picture of another size than the button is stretched with its
    // edges kept: the corners stay as drawn, the sides and the face are scaled.
    void SetPictures(const QPixmap& up, const QPixmap& down);
    QPixmap UpPicture() const { return m_up; }
    QPixmap DownPicture() const { return m_downPicture; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void Pressed();
    void Released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Space, Return and Enter act like a click: down on the press, the action on the release.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PaintPicture(QPainter& painter);
    void PaintPlainFace(QPainter& painter);

    QString m_caption;
    Kind m_kind;
    bool m_down = false;
    QPixmap m_up;
    QPixmap m_downPicture;
};

} // namespace tarvel
