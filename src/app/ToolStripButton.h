#pragma once

#include <QFrame>
#include <QIcon>

// A toolbar box with an icon and a caption: sunken while a mouse button holds it, flat
// again on release, and its action on release of any button, wherever the pointer is then.
class ToolStripButton : public QFrame {
    Q_OBJECT
public:
    ToolStripButton(const QIcon& icon, const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    bool isPressed() const { return m_pressed; }

Q_SIGNALS:
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setPressed(bool pressed);

    QIcon m_icon;
    QString m_caption;
    bool m_pressed = false;
};
