#pragma once

// The hidden holder of the small logo and its mask, the source of the card back's logo: the mask
// is white where the card shows through and black where the logo covers it; the logo is black
// where the card shows through.

#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QWidget>

class frmLogoBlit : public QWidget
{
    Q_OBJECT

public:
    explicit frmLogoBlit(QWidget *parent = nullptr);

    QLabel *picSmLogo;
    QLabel *picSmLogoMask;

    // Draws the logo with its transparent parts on `surface`, its top-left at pixel `at`: the mask
    // by AND, then the logo by OR.
    void drawOn(QImage &surface, QPoint at) const;

private:
    QImage m_logo;
    QImage m_mask;
};
