#pragma once

// The help document, shown at its index.

#include <QTextBrowser>
#include <QWidget>

class frmHelp : public QWidget
{
    Q_OBJECT

public:
    frmHelp(const QString &helpFile, QWidget *parent = nullptr);

    QTextBrowser *browser;
};
