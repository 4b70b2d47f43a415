#pragma once

// The first window: the product name for two seconds, or until a key or a click, then the main
// window takes over.

#include <QFrame>
#include <QTimer>
#include <QWidget>

class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    QTimer Timer1;
    QFrame *Frame1;

signals:
    // Emitted once, whichever of the timer, a key or a click comes first.
    void finished();

public slots:
    void handOver();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_handedOver = false;
};
