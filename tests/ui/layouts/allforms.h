// The four windows set up from their stored designs, and picture helpers, for the layout tests.
#pragma once

#include "frm_board1_form.h"
#include "frm_help_form.h"
#include "frm_splash_form.h"
#include "frm_win_form.h"
#include "storedpicturelabel.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QString>
#include <QWidget>

// Pixels in one format, so pictures compare by what they show.
inline QImage Argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

inline QImage Argb(const QPixmap& picture)
{
    return Argb(picture.toImage());
}

// What a picture control shows, its stored picture decoded if it waits to be needed.
inline QPixmap ShownPicture(QLabel& control)
{
    auto* deferred = qobject_cast<tessaro::layouts::StoredPictureLabel*>(&control);
    return deferred ? deferred->picture() : control.pixmap();
}

inline QImage StoredPixels(const QString& fileName)
{
    return Argb(QImage(QStringLiteral(":/pictures/") + fileName));
}

// "knight07.gif", or "knight07@2x.gif" with a suffix.
inline QString KnightFile(int number, const QString& suffix = QString())
{
    return QStringLiteral("knight%1%2.gif").arg(number, 2, 10, QLatin1Char('0')).arg(suffix);
}

struct AllForms {
    QDialog splash;
    QMainWindow board;
    QDialog help;
    QDialog win;
    Ui::frm_splash splashUi;
    Ui::frm_board1 boardUi;
    Ui::frm_help helpUi;
    Ui::frm_win winUi;

    AllForms()
    {
        splashUi.setupUi(&splash);
        boardUi.setupUi(&board);
        helpUi.setupUi(&help);
        winUi.setupUi(&win);
    }

    // A window by its design name, e.g. "frm_board1"; null for any other name.
    QWidget* form(const QString& name)
    {
        for (QWidget* window : {static_cast<QWidget*>(&splash), static_cast<QWidget*>(&board),
                                static_cast<QWidget*>(&help), static_cast<QWidget*>(&win)}) {
            if (window->objectName() == name) {
                return window;
            }
        }
        return nullptr;
    }

    // A control of a window by name, searched through the whole window; the window itself by its own name.
    template <typename T = QWidget>
    T* control(const QString& formName, const QString& controlName)
    {
        QWidget* window = form(formName);
        if (window && controlName == formName) {
            return qobject_cast<T*>(window);
        }
        return window ? window->findChild<T*>(controlName) : nullptr;
    }
};
