#pragma once

#include <QLabel>

// A label that reports a click with the left button, or, when it has the keyboard focus, Enter
// or Space; it shows the focus with a light frame.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);
    ClickLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
