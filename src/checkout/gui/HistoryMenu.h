#pragma once

#include <QFrame>

class QLabel;

// The small pop-up panel of the sales history: "删除(D)" and "取消(E)".
class HistoryMenu : public QFrame {
    Q_OBJECT

public:
    explicit HistoryMenu(QWidget* parent);

Q_SIGNALS:
    void deleteChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void highlight(QLabel* item);

    QLabel* m_delete;
    QLabel* m_cancel;
};
